#include "notices/low_space_rules.h"

#include "platform/uint128.h"

namespace keldra::notices {

bool Below_Limits(const Notice_Limits& limits, std::int64_t free_kb, std::int64_t capacity_kb) {
  if (limits.free_percent <= 0 || limits.free_megabytes <= 0 || capacity_kb <= 0) return false;
  if (free_kb < 0) free_kb = 0;
  // In 128 bits: a capacity near the 64-bit edge times a hundred must not wrap.
  const bool below_share = platform::u128(static_cast<std::uint64_t>(free_kb)) * 100 <
                           platform::u128(static_cast<std::uint64_t>(capacity_kb)) *
                               static_cast<unsigned>(limits.free_percent);
  const bool below_size = platform::u128(static_cast<std::uint64_t>(free_kb)) <
                          platform::u128(static_cast<std::uint64_t>(limits.free_megabytes)) * 1024;
  return below_share && below_size;
}

std::vector<Drive_Reading> Drives_To_Notice(Notice_Memory& memory, const Notice_Limits& limits,
                                            const std::vector<Drive_Reading>& readings,
                                            bool& changed) {
  changed = false;
  std::vector<Drive_Reading> raise;
  for (const Drive_Reading& r : readings) {
    const int i = platform::Drive_Letter_Index(r.letter);
    // Figures that are not this pass's say nothing new: what is remembered stays.
    if (i < 0 || memory.quiet[static_cast<std::size_t>(i)] || !r.current || r.read_only) continue;
    std::optional<std::int64_t>& noticed = memory.noticed_free_kb[static_cast<std::size_t>(i)];
    if (!Below_Limits(limits, r.free_kb, r.capacity_kb)) {
      // Recovered: the next fall is news again.
      if (noticed) changed = true;
      noticed.reset();
      continue;
    }
    // Halved since the last notice, strictly: a full drive (0 free) is not news at
    // every pass.
    const bool news = !noticed || (r.free_kb < *noticed && r.free_kb <= *noticed / 2);
    if (!news) continue;
    noticed = r.free_kb;
    changed = true;
    raise.push_back(r);
  }
  return raise;
}

}  // namespace keldra::notices
