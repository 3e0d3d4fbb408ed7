#pragma once
// SpinEdit1's rules, whatever draws it: a whole number of seconds stepping by 5
// within 1..200, typing limited to digits, signs and the decimal separator, and
// the value read from whatever is written.
#include <optional>
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

// The up and down buttons' width, at the field's right edge, each half its height.
inline constexpr int Button_Width = 16;

// A key pressed in the field, as each face reads it: the arrows, Enter, a printable
// character typed (without Ctrl or Alt), or anything else (editing and control keys).
enum class Key { Up, Down, Enter, Printable, Other };
// What the field does with it: steps its value, refuses it with a beep, or leaves it
// to the edit field's own handling.
enum class Key_Effect { Step_Up, Step_Down, Refuse, Edit };
Key_Effect Effect_Of(Key key, std::string_view typed, std::string_view decimal_separator);

// As the focus leaves: the value to write back where the written one is out of
// bounds; none where it is within them, or is no whole number (left as typed).
std::optional<int> Value_On_Leaving(std::string_view text);

}  // namespace keldra::ui::interval_field
