#include "ini/profile_values.h"

namespace keldra::ini {
namespace {

int Hex_Digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::int32_t> Parse_Profile_Integer(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < s.size() && s[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= s.size()) return std::nullopt;

  std::uint64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    int d = hex ? Hex_Digit(s[i]) : ((s[i] >= '0' && s[i] <= '9') ? s[i] - '0' : -1);
    if (d < 0) return std::nullopt;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
    if (magnitude > (hex ? 0xFFFFFFFFull : 0x80000000ull)) return std::nullopt;
  }
  if (hex) {
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
  }
  if (!negative && magnitude > 0x7FFFFFFFull) return std::nullopt;
  std::int64_t value =
      negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  return static_cast<std::int32_t>(value);
}

std::int32_t Str_To_Int_Def(std::string_view text, std::int32_t default_value) {
  std::optional<std::int32_t> v = Parse_Profile_Integer(text);
  return v ? *v : default_value;
}

std::string Upper_Case_Ascii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::string Lower_Case_Ascii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

}  // namespace keldra::ini
