#include "monitor/percent_free.h"

#include <limits>

#include "platform/uint128.h"

namespace keldra::monitor {
namespace {

using platform::u128;

int Floor_Log2(std::uint64_t x) { return 63 - __builtin_clzll(x); }

}  // namespace

std::int32_t Percent_Free(std::int64_t free, std::int64_t total) {
  if (total <= 0) return 0;
  const bool negative = free < 0;
  // The magnitude, computed unsigned so that the most negative value is safe too.
  const std::uint64_t bits = static_cast<std::uint64_t>(free);
  const u128 f = static_cast<u128>(negative ? 0 - bits : bits);
  const u128 t = static_cast<u128>(total);
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

  // Step 1: total / 100 rounded to a 64-bit mantissa m, so that total / 100 ~ m / 2^s.
  // 100 < 2^7, so the shift is 70 - bits(total) or one either side of it.
  const int total_bits = 64 - __builtin_clzll(static_cast<std::uint64_t>(total));
  int s = 70 - total_bits - 1;
  if (s < 0) s = 0;
  while ((t << s) / 100 < (u128{1} << 63)) ++s;
  u128 m = (t << s) / 100;
  const u128 rem = (t << s) % 100;
  if ((rem << 1) > 100 || ((rem << 1) == 100 && (static_cast<std::uint64_t>(m) & 1) != 0)) {
    ++m;
    if (m == (u128{1} << 64)) {
      m = u128{1} << 63;
      --s;
    }
  }

  // Far beyond any percentage a 32-bit result can hold; also keeps f << s in range.
  if (f > (t << 25)) return negative ? -kMax : kMax;

  // Step 2: q = f / (m / 2^s) = f * 2^s / m, rounded to a 64-bit mantissa, then
  // truncated. Rounding can only lift q to the next integer M = N + 1, which
  // happens when q lies within half a unit in the last place below M (a tie goes
  // to M, whose mantissa is even).
  const u128 scaled = f << s;
  std::uint64_t n = static_cast<std::uint64_t>(scaled / m);
  const u128 r = scaled % m;
  if (r != 0) {
    const std::uint64_t next = n + 1;
    const int e = Floor_Log2(next);
    const bool power_of_two = (next & (next - 1)) == 0;
    const int k = (power_of_two ? 65 : 64) - e;  // (m - r) / m <= 2^-k lifts q to M
    if (k < 64 && ((m - r) << k) <= m) n = next;
  }
  const std::int64_t result =
      n > static_cast<std::uint64_t>(kMax) ? kMax : static_cast<std::int64_t>(n);
  return static_cast<std::int32_t>(negative ? -result : result);
}

}  // namespace keldra::monitor
