#pragma once
// Amounts of space as the rows show them: "114.98 GB", "1.4 MB", "0".
#include <cstdint>
#include <string>

#include "platform/uint128.h"

namespace keldra::monitor {

// Bytes to kilobytes (1024), rounded to nearest with an exact half going to the
// even neighbour: 1536 -> 2, 2560 -> 2, 512 -> 0.
std::int64_t Bytes_To_Kilobytes(std::int64_t bytes);
// The same from a volume's figure, which may pass 64 bits: a count past the signed
// 64-bit range is held at its edge.
std::int64_t Bytes_To_Kilobytes(platform::u128 bytes);

// The unit form of a kilobyte count: TB, GB with two decimals, MB, KB with one,
// each chosen by a strict greater-than test, rounded by the exact decimal digits
// with halves away from zero, at most 10 significant digits, no thousands
// separator. 0 or less shows "0". A count of exactly 1 KB shows "1024 Bytes": as
// everywhere else, an amount of exactly one unit is shown in the next smaller one.
std::string Unit_Form(std::int64_t kilobytes, const std::string& decimal_separator);

// The free / capacity caption from two kilobyte counts: "F / T", or "0" when the
// capacity is 0 or less.
std::string Size_Caption(std::int64_t free_kb, std::int64_t capacity_kb,
                         const std::string& decimal_separator);

}  // namespace keldra::monitor
