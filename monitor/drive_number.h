#pragma once
// Drive letters, drive numbers and root paths.
#include <cstdint>
#include <string>
#include <string_view>

namespace keldra::monitor {

// The TotalRow's drive number, answered from the pass totals.
inline constexpr std::uint8_t Total_Drive_Number = 99;

// "c" or "C..." -> "3"; "a" -> "1"; "z" -> "26"; any other first character, or
// an empty text -> "".
std::string Drive_Letter_To_Number(std::string_view letter);

// "X:\" for drive number n, X being the character 64 + n.
std::string Root_Path(std::uint8_t number);

// A whole decimal number, or Keldra_Error "'%s' is not a valid integer value".
std::int32_t String_To_Integer(std::string_view text);

}  // namespace keldra::monitor
