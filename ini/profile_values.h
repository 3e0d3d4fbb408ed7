#pragma once
// How settings values are read from and written to their text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace keldra::ini {

// A signed 32-bit integer: leading blanks skipped, an optional sign, then decimal
// digits, or hexadecimal after "$" or after "0x"/"0X" (which needs at least one
// digit). Hexadecimal takes up to 32 bits and wraps into the signed range, so
// "$FFFFFFFF" is -1. Anything else, an empty text or a decimal out of range: nothing.
std::optional<std::int32_t> Parse_Profile_Integer(std::string_view text);

std::int32_t Str_To_Int_Def(std::string_view text, std::int32_t default_value);

// Upper-cases a to z and leaves every other byte as it is.
std::string Upper_Case_Ascii(std::string_view text);
std::string Lower_Case_Ascii(std::string_view text);

}  // namespace keldra::ini
