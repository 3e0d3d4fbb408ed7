#include "ui/interval_field.h"

#include <algorithm>

#include "ini/profile_values.h"

namespace keldra::ui::interval_field {

int Written_Value(std::string_view text) {
  const auto v = ini::Parse_Profile_Integer(text);
  return v ? *v : Minimum;
}

int Bounded(long long value) {
  return static_cast<int>(std::clamp<long long>(value, Minimum, Maximum));
}

int Stepped(std::string_view text, int direction) {
  return Bounded(static_cast<long long>(Written_Value(text)) + direction * Increment);
}

bool Typed_Char_Allowed(std::string_view typed, std::string_view decimal_separator) {
  if (typed == decimal_separator) return true;
  if (typed.size() != 1) return false;
  const char c = typed[0];
  return (c >= '0' && c <= '9') || c == '+' || c == '-';
}

}  // namespace keldra::ui::interval_field
