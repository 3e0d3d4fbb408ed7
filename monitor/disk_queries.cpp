#include "monitor/disk_queries.h"

#include <limits>

#include "monitor/drive_number.h"
#include "monitor/percent_free.h"
#include "monitor/size_text.h"

namespace keldra::monitor {
namespace {

// The system reports unsigned counts; no real volume reaches the sign bit, and
// one that claimed to is held at the largest signed count rather than wrapping.
std::int64_t As_Signed(std::uint64_t bytes) {
  constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  return static_cast<std::int64_t>(bytes > kMax ? kMax : bytes);
}

}  // namespace

Disk_Queries::Disk_Queries(platform::Disk_Space& disk, platform::Error_Mode& error_mode,
                           std::string decimal_separator)
    : disk_(disk), error_mode_(error_mode), separator_(std::move(decimal_separator)) {}

std::int64_t Disk_Queries::Get_Disk_Free_Bytes(std::uint8_t number) {
  const platform::Disk_Space_Figures f = disk_.Get_Disk_Free_Space_Ex(Root_Path(number));
  last_answered_ = f.answered;
  return As_Signed(f.total_free_bytes);
}

std::int64_t Disk_Queries::Get_Disk_Total_Bytes(std::uint8_t number) {
  const platform::Disk_Space_Figures f = disk_.Get_Disk_Free_Space_Ex(Root_Path(number));
  last_answered_ = f.answered;
  return As_Signed(f.total_bytes);
}

std::int32_t Disk_Queries::Get_Drive_Pct_Free(std::uint8_t number) {
  std::int64_t free = 0;
  std::int64_t total = 0;
  if (number == Total_Drive_Number) {
    free = totals_.Total_Free_KB;
    total = totals_.Total_Capacity_KB;
  } else {
    platform::Error_Mode_Guard guard(error_mode_);
    free = Get_Disk_Free_Bytes(number);
    total = Get_Disk_Total_Bytes(number);
  }
  return Percent_Free(free, total);
}

std::string Disk_Queries::Get_Drive_Size_Text(std::uint8_t number) {
  std::int64_t free_kb = 0;
  std::int64_t capacity_kb = 0;
  bool queried = true;
  if (number == Total_Drive_Number) {
    free_kb = totals_.Total_Free_KB;
  } else {
    platform::Error_Mode_Guard guard(error_mode_);
    free_kb = Bytes_To_Kilobytes(Get_Disk_Free_Bytes(number));
    queried = last_answered_;
    totals_.Total_Free_KB += free_kb;
  }
  if (number == Total_Drive_Number) {
    capacity_kb = totals_.Total_Capacity_KB;
  } else {
    platform::Error_Mode_Guard guard(error_mode_);
    capacity_kb = Bytes_To_Kilobytes(Get_Disk_Total_Bytes(number));
    queried = queried && last_answered_;
    totals_.Total_Capacity_KB += capacity_kb;
  }
  last_size_ = {free_kb, capacity_kb, queried};
  return Size_Caption(free_kb, capacity_kb, separator_);
}

}  // namespace keldra::monitor
