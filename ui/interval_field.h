#pragma once
// SpinEdit1's rules, whatever draws it: a whole number of seconds stepping by 5
// within 1..200, typing limited to digits, signs and the decimal separator, and
// the value read from whatever is written.
#include <string>
#include <string_view>

namespace keldra::ui::interval_field {

inline constexpr int Minimum = 1;
inline constexpr int Maximum = 200;
inline constexpr int Increment = 5;
// The field's value as the dialog is made.
inline constexpr int Design_Value = 30;
// The held button's repeat: first after 400 ms, then every 100 ms.
inline constexpr int Repeat_Delay_Ms = 400;
inline constexpr int Repeat_Interval_Ms = 100;

// The whole number written, unbounded; 1 when the text is not a whole number.
int Written_Value(std::string_view text);
// Brought into 1..200.
int Bounded(long long value);
// The written value one step up (+1) or down (-1), brought into 1..200.
int Stepped(std::string_view text, int direction);
// Whether a typed printable character may go into the field (Enter may not).
bool Typed_Char_Allowed(std::string_view typed, std::string_view decimal_separator);

}  // namespace keldra::ui::interval_field
