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

Key_Effect Effect_Of(Key key, std::string_view typed, std::string_view decimal_separator) {
  switch (key) {
    case Key::Up: return Key_Effect::Step_Up;
    case Key::Down: return Key_Effect::Step_Down;
    case Key::Enter: return Key_Effect::Refuse;  // there is no default button to press
    case Key::Printable:
      return Typed_Char_Allowed(typed, decimal_separator) ? Key_Effect::Edit : Key_Effect::Refuse;
    case Key::Other: break;
  }
  return Key_Effect::Edit;
}

std::optional<int> Value_On_Leaving(std::string_view text) {
  const int written = Written_Value(text);
  if (written == Bounded(written)) return std::nullopt;
  return Bounded(written);
}

}  // namespace keldra::ui::interval_field
