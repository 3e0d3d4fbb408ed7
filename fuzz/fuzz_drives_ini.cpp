// drives.ini over arbitrary text: only absolute directories come out.
#include <cstdint>
#include <string>

#include "platform/linux/drive_letters.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const std::string& dir : keldra::platform::linux_impl::Read_Drive_Lines(text).pins) {
    if (dir.empty()) continue;
    if (dir.front() != '/') __builtin_trap();
    if (dir.size() > 1 && dir.back() == '/') __builtin_trap();
  }
  return 0;
}
