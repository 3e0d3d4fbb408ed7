#pragma once
// When a drive running out of space is worth a desktop notice, and when it is worth
// another. The lessons of desktop notifiers that users gave up on: warn once when a
// drive falls below the limits, again only when its free space has halved since (a
// real change, not every pass), again after it recovered and fell once more; never
// for a drive the user asked to be left alone about, nor on figures that are not
// current or for a volume that cannot fill (read-only).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/drive_table.h"

namespace keldra::notices {

// A drive is low on space below both limits: a share of its capacity (so that a
// small stick is not warned about for a few megabytes) and a size (so that a large
// disk's few per cent, still hundreds of gigabytes, is not either). Either at 0
// turns the notices off.
struct Notice_Limits {
  int free_percent = 5;
  std::int64_t free_megabytes = 2048;
};

// One drive's figures from a refresh pass.
struct Drive_Reading {
  char letter = 'A';
  std::int64_t free_kb = 0;
  std::int64_t capacity_kb = 0;
  bool current = false;  // answered in this pass (not held from an earlier one, not missing)
  bool read_only = false;
};

// What is remembered between passes and between runs, per drive letter.
struct Notice_Memory {
  // The free space at the last notice, while the drive has stayed below the limits
  // since; none when it has not been noticed or has recovered.
  std::array<std::optional<std::int64_t>, platform::Drive_Letter_Count> noticed_free_kb{};
  // "Don't warn again for this drive".
  std::array<bool, platform::Drive_Letter_Count> quiet{};
};

bool Below_Limits(const Notice_Limits& limits, std::int64_t free_kb, std::int64_t capacity_kb);

// The readings of one pass against what is remembered: the drives to raise a notice
// for now, in the order read. Memory is brought up to date; changed tells whether it
// now differs from what was stored.
std::vector<Drive_Reading> Drives_To_Notice(Notice_Memory& memory, const Notice_Limits& limits,
                                            const std::vector<Drive_Reading>& readings,
                                            bool& changed);

}  // namespace keldra::notices
