// The INI engine over arbitrary text: it must never crash, and what it writes
// must read back.
#include <cstdint>
#include <string>

#include "ini/ini_text.h"

namespace {

std::string Take(const std::uint8_t*& data, std::size_t& size) {
  std::size_t n = 0;
  while (n < size && data[n] != '\0') ++n;
  std::string part(reinterpret_cast<const char*>(data), n);
  const std::size_t used = n < size ? n + 1 : n;
  data += used;
  size -= used;
  return part;
}

bool Blank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string section = Take(data, size);
  const std::string key = Take(data, size);
  const std::string value = Take(data, size);
  const std::string text(reinterpret_cast<const char*>(data), size);
  (void)keldra::ini::Ini_Find_Value(text, section, key);
  const auto written = keldra::ini::Ini_Set_Value(text, section, key, value);
  if (!written) return 0;
  const bool plain_value = value.size() <= keldra::ini::Max_Profile_Value &&
                           (value.empty() || (!Blank(value.front()) && !Blank(value.back()))) &&
                           !(value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                             value.back() == value.front());
  if (plain_value && (key.find_first_not_of(" \t") != std::string::npos)) {
    const auto back = keldra::ini::Ini_Find_Value(*written, section, key);
    if (!back || *back != value) __builtin_trap();
  }
  return 0;
}
