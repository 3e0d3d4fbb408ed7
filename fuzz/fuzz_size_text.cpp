// Size text and percentages over arbitrary counts: well-formed text, and the
// percentage agreeing with 64-bit-mantissa floating point.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "monitor/percent_free.h"
#include "monitor/size_text.h"

namespace {

bool Well_Formed(const std::string& t) {
  if (t == "0" || t == "1024 Bytes") return true;
  const std::size_t space = t.rfind(' ');
  if (space == std::string::npos) return false;
  const std::string unit = t.substr(space + 1);
  if (unit != "KB" && unit != "MB" && unit != "GB" && unit != "TB") return false;
  const std::size_t dot = t.find('.');
  if (dot == std::string::npos || dot == 0) return false;
  const std::size_t decimals = space - dot - 1;
  if (decimals != ((unit == "GB" || unit == "TB") ? 2u : 1u)) return false;
  for (std::size_t i = 0; i < space; ++i) {
    if (i != dot && (t[i] < '0' || t[i] > '9')) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 16) return 0;
  std::int64_t a, b;
  std::memcpy(&a, data, 8);
  std::memcpy(&b, data + 8, 8);
  using namespace keldra::monitor;
  if (!Well_Formed(Unit_Form(a, "."))) __builtin_trap();
  const std::string caption = Size_Caption(a, b, ".");
  if (b <= 0 && caption != "0") __builtin_trap();
  (void)Bytes_To_Kilobytes(a);
  const std::int32_t pct = Percent_Free(a, b);
  if (b > 0 && a >= 0 && a <= b && (pct < 0 || pct > 100)) __builtin_trap();
  if (std::numeric_limits<long double>::digits == 64 && b > 0 && a >= 0 && a / 4 <= b) {
    volatile long double t = static_cast<long double>(b) / 100.0L;
    volatile long double q = static_cast<long double>(a) / t;
    if (pct != static_cast<std::int64_t>(std::trunc(q))) __builtin_trap();
  }
  return 0;
}
