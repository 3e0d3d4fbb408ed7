#pragma once
// Small text helpers of the drop handler.
#include <string>

namespace keldra::extras {

// The first character; '\0' for an empty text (no caller passes one).
char First_Char(const std::string& text);

// Positions count from 1. Empty text, or a position below 1 or past the end: "".
// Equal positions: the text unchanged.
std::string Swap_Chars(const std::string& text, int i, int j);

// An exchange sort by unsigned byte value; equal characters keep their order.
std::string Sort_Chars(const std::string& text);

}  // namespace keldra::extras
