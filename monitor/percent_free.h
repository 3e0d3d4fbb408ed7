#pragma once
// The whole percentage of free space, as free / (total / 100) comes out in
// 64-bit-mantissa floating point rounded to nearest after each step, then truncated.
#include <cstdint>

namespace keldra::monitor {

// 0 when total <= 0. Computed in exact integer arithmetic that reproduces the
// rounding of each step, so the answer does not depend on the target's long double
// or on the state of its floating-point unit: 9 of 18 gives 49, as it must.
// A quotient beyond the 32-bit range (free far above total) is held at its edge.
std::int32_t Percent_Free(std::int64_t free, std::int64_t total);

}  // namespace keldra::monitor
