#include "monitor/disk_queries.h"

#include <algorithm>
#include <limits>

#include "monitor/drive_number.h"
#include "monitor/percent_free.h"
#include "monitor/size_text.h"

namespace keldra::monitor {
namespace {

using platform::u128;

// The percentage of figures that may pass 64 bits: both are scaled down alike until
// they fit, which leaves their ratio as good as exact.
std::int32_t Wide_Percent_Free(u128 free, u128 total) {
  const u128 limit{static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())};
  if (total == u128{0}) return 0;
  while (free > limit || total > limit) {
    free = free >> 1;
    total = total >> 1;
  }
  // Free beyond any percentage: what is left of the total after scaling is nothing.
  if (total == u128{0}) return Percent_Free(std::numeric_limits<std::int64_t>::max(), 1);
  return Percent_Free(platform::Saturated_Int64(free), platform::Saturated_Int64(total));
}

std::int64_t Saturating_Sum(std::int64_t a, std::int64_t b) {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) {
    return b > 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
  }
  return sum;
}

}  // namespace

Disk_Queries::Disk_Queries(platform::Disk_Space& disk, platform::Error_Mode& error_mode,
                           std::string decimal_separator)
    : disk_(disk), error_mode_(error_mode), separator_(std::move(decimal_separator)) {}

platform::u128 Disk_Queries::Free_Bytes(std::uint8_t number) {
  const platform::Disk_Space_Figures f = disk_.Get_Disk_Free_Space_Ex(Root_Path(number));
  last_answered_ = f.answered;
  last_not_mounted_ = f.not_mounted;
  last_read_only_ = f.read_only;
  return f.total_free_bytes;
}

platform::u128 Disk_Queries::Total_Bytes(std::uint8_t number) {
  const platform::Disk_Space_Figures f = disk_.Get_Disk_Free_Space_Ex(Root_Path(number));
  last_answered_ = f.answered;
  last_not_mounted_ = f.not_mounted;
  last_read_only_ = f.read_only;
  return f.total_bytes;
}

std::int64_t Disk_Queries::Get_Disk_Free_Bytes(std::uint8_t number) {
  return platform::Saturated_Int64(Free_Bytes(number));
}

std::int64_t Disk_Queries::Get_Disk_Total_Bytes(std::uint8_t number) {
  return platform::Saturated_Int64(Total_Bytes(number));
}

std::int32_t Disk_Queries::Get_Drive_Pct_Free(std::uint8_t number) {
  if (number == Total_Drive_Number) {
    return Percent_Free(totals_.Total_Free_KB, totals_.Total_Capacity_KB);
  }
  platform::Error_Mode_Guard guard(error_mode_);
  // The full figures, not their 64-bit counts: a volume past 8 EiB keeps its ratio.
  const u128 free = Free_Bytes(number);
  const u128 total = Total_Bytes(number);
  return Wide_Percent_Free(free, total);
}

std::string Disk_Queries::Get_Drive_Size_Text(std::uint8_t number) {
  std::int64_t free_kb = 0;
  std::int64_t capacity_kb = 0;
  bool queried = true;
  bool not_mounted = false;
  bool read_only = false;
  if (number == Total_Drive_Number) {
    free_kb = totals_.Total_Free_KB;
  } else {
    platform::Error_Mode_Guard guard(error_mode_);
    free_kb = Bytes_To_Kilobytes(Free_Bytes(number));
    queried = last_answered_;
    totals_.Total_Free_KB = Saturating_Sum(totals_.Total_Free_KB, free_kb);
  }
  if (number == Total_Drive_Number) {
    capacity_kb = totals_.Total_Capacity_KB;
  } else {
    platform::Error_Mode_Guard guard(error_mode_);
    capacity_kb = Bytes_To_Kilobytes(Total_Bytes(number));
    queried = queried && last_answered_;
    not_mounted = last_not_mounted_;
    read_only = last_read_only_;
    totals_.Total_Capacity_KB = Saturating_Sum(totals_.Total_Capacity_KB, capacity_kb);
  }
  platform::Drive_Freshness freshness{platform::Answer_Freshness::Fresh, {}};
  if (number == Total_Drive_Number) {
    if (totals_.oldest_held) freshness = {platform::Answer_Freshness::Held, *totals_.oldest_held};
  } else {
    freshness = disk_.Freshness_Of(Root_Path(number)[0]);
    if (freshness.state == platform::Answer_Freshness::Held) {
      totals_.oldest_held = std::max(totals_.oldest_held.value_or(freshness.age), freshness.age);
    }
  }
  last_size_ = {free_kb, capacity_kb, queried, freshness, not_mounted, read_only};
  return Size_Caption(free_kb, capacity_kb, separator_);
}

}  // namespace keldra::monitor
