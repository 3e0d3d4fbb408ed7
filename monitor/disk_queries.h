#pragma once
// The drive queries of one refresh pass: space figures, the percentage of free
// space, the size caption and the pass totals that feed the TotalRow.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/disk_space.h"
#include "platform/error_mode.h"

namespace keldra::monitor {

struct Pass_Totals {
  std::int64_t Total_Free_KB = 0;
  std::int64_t Total_Capacity_KB = 0;
  // The oldest held figures counted in, when some were held.
  std::optional<std::chrono::milliseconds> oldest_held;
};

// What the last size text was made from: its kilobyte counts, and whether the
// drive answered both of its queries (the TotalRow's always counts as answered).
struct Size_Figures {
  std::int64_t free_kb = 0;
  std::int64_t capacity_kb = 0;
  bool queried = true;
  // Answered in this pass, held from an earlier answer, or none at all. The
  // TotalRow's is held when any figures it adds up were.
  platform::Drive_Freshness freshness{platform::Answer_Freshness::Fresh, {}};
  bool not_mounted = false;  // a folder meant for a volume with none mounted there
  bool read_only = false;    // its volume takes no writes
};

class Disk_Queries {
 public:
  // decimal_separator is the user's, taken once at start-up.
  Disk_Queries(platform::Disk_Space& disk, platform::Error_Mode& error_mode,
               std::string decimal_separator);

  // A pass is about to ask for these letters' figures (see Disk_Space::Ask_Drives).
  void Begin_Pass(std::string_view letters) { disk_.Ask_Drives(letters); }

  // Drive numbers 1..26. One query each; 0 when the query fails. A figure past the
  // signed 64-bit range is held at its edge.
  std::int64_t Get_Disk_Free_Bytes(std::uint8_t number);
  std::int64_t Get_Disk_Total_Bytes(std::uint8_t number);

  // Whole percentage of free space, truncated; 0 when the capacity is 0. Number 99
  // answers from the pass totals.
  std::int32_t Get_Drive_Pct_Free(std::uint8_t number);

  // "114.98 GB / 465.76 GB". For numbers other than 99 the drive's kilobyte counts
  // are added to the pass totals; 99 reads them.
  std::string Get_Drive_Size_Text(std::uint8_t number);

  const Size_Figures& Last_Size_Figures() const { return last_size_; }

  Pass_Totals& Totals() { return totals_; }
  const std::string& Decimal_Separator() const { return separator_; }

 private:
  // One query each, at the figures' full width.
  platform::u128 Free_Bytes(std::uint8_t number);
  platform::u128 Total_Bytes(std::uint8_t number);

  platform::Disk_Space& disk_;
  platform::Error_Mode& error_mode_;
  std::string separator_;
  Pass_Totals totals_;
  Size_Figures last_size_;
  bool last_answered_ = false;  // by the last free or total query
  bool last_read_only_ = false;
  bool last_not_mounted_ = false;  // likewise: its folder held no volume
};

}  // namespace keldra::monitor
