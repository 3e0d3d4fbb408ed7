#pragma once
// The system's memory figures, as the free-memory percentage needs them.
#include <cstdint>
#include <optional>
#include <string_view>

namespace keldra::platform {

struct Memory_Status {
  std::uint64_t total_phys = 0;       // bytes
  std::uint64_t avail_phys = 0;
  std::uint64_t total_page_file = 0;
  std::uint64_t avail_page_file = 0;
};

// From /proc/meminfo text: physical = MemTotal and MemAvailable, page file =
// SwapTotal and SwapFree. Nothing when MemTotal is missing.
std::optional<Memory_Status> Parse_Meminfo(std::string_view text);

// One reading of /proc/meminfo; zeros when it cannot be read.
Memory_Status Global_Memory_Status();

}  // namespace keldra::platform
