#include "monitor/drive_number.h"

#include "ini/profile_values.h"
#include "platform/keldra_error.h"

namespace keldra::monitor {

std::string Drive_Letter_To_Number(std::string_view letter) {
  if (letter.empty()) return std::string();
  char c = letter.front();
  if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (c < 'a' || c > 'z') return std::string();
  return std::to_string(c - 'a' + 1);
}

std::string Root_Path(std::uint8_t number) {
  std::string path = "A:\\";
  path[0] = static_cast<char>(64 + number);
  return path;
}

std::int32_t String_To_Integer(std::string_view text) {
  if (auto v = ini::Parse_Profile_Integer(text)) return *v;
  throw Keldra_Error("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace keldra::monitor
