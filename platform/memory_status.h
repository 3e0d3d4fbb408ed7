#pragma once
// The system's memory figures, as the free-memory percentage needs them.
#include <cstdint>

namespace keldra::platform {

struct Memory_Status {
  std::uint64_t total_phys = 0;  // bytes
  std::uint64_t avail_phys = 0;
  std::uint64_t total_page_file = 0;
  std::uint64_t avail_page_file = 0;
};

// One reading of the system's figures; zeros when they cannot be read.
Memory_Status Global_Memory_Status();

}  // namespace keldra::platform
