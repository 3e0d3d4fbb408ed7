// Desktop entries: reading arbitrary files never crashes, and any path written
// into an entry reads back as the one program to start.
#include <cstdint>
#include <string>

#include "platform/linux/desktop_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keldra::platform::linux_impl;
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (auto exec = Desktop_Entry_Exec(text)) {
    (void)Exec_Command(*exec);
    (void)Parse_Exec_Arguments(*exec);
  }
  const std::string path = text.substr(0, text.find('\0'));
  const auto back = Desktop_Entry_Exec(Desktop_Entry_Text(path));
  if (!back || Exec_Command(*back) != path) __builtin_trap();
  return 0;
}
