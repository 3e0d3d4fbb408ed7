#include "monitor/size_text.h"

#include "platform/uint128.h"

namespace keldra::monitor {
namespace {

using platform::u128;

constexpr int kSignificantDigits = 10;

int Decimal_Digits(std::uint64_t n) {
  int d = 1;
  while (n >= 10) {
    n /= 10;
    ++d;
  }
  return d;
}

// value = kb / 2^shift, shown with `decimals` decimals. Built in place: this runs
// twice per drive on every refresh pass.
std::string Fixed(std::uint64_t kb, int shift, int decimals, const char* unit,
                  const std::string& separator) {
  const std::uint64_t whole = kb >> shift;
  // Digits past the tenth significant one are shown as zeros. Whole parts never
  // pass ten digits here: even the largest count is under 8.6e9 TB.
  int kept = decimals;
  const int whole_digits = Decimal_Digits(whole);
  if (whole_digits + kept > kSignificantDigits) {
    kept = whole_digits >= kSignificantDigits ? 0 : kSignificantDigits - whole_digits;
  }
  std::uint64_t scale = 1;  // at most 10^10
  for (int i = 0; i < kept; ++i) scale *= 10;
  const u128 scaled = static_cast<u128>(kb) * scale;
  const u128 one = u128{1} << shift;
  std::uint64_t rounded = static_cast<std::uint64_t>(scaled >> shift);
  if (((scaled & (one - 1)) << 1) >= one) ++rounded;  // half away from zero

  char digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + rounded % 10);
    rounded /= 10;
  } while (rounded != 0 || n <= kept);  // at least one digit before the separator
  std::string text;
  text.reserve(static_cast<std::size_t>(n) + separator.size() + 8);
  for (int i = n - 1; i >= kept; --i) text += digits[i];
  if (decimals > 0) {
    text += separator;
    for (int i = kept - 1; i >= 0; --i) text += digits[i];
    text.append(static_cast<std::size_t>(decimals - kept), '0');
  }
  text += unit;
  return text;
}

}  // namespace

std::int64_t Bytes_To_Kilobytes(std::int64_t bytes) {
  const bool negative = bytes < 0;
  const std::uint64_t bits = static_cast<std::uint64_t>(bytes);
  const std::int64_t kb = Bytes_To_Kilobytes(u128{negative ? 0 - bits : bits});
  return negative ? -kb : kb;
}

std::int64_t Bytes_To_Kilobytes(u128 bytes) {
  u128 q = bytes >> 10;
  const auto r = static_cast<std::uint64_t>(bytes & u128{1023});
  if (r > 512 || (r == 512 && static_cast<std::uint64_t>(q & u128{1}) != 0)) q = q + u128{1};
  return platform::Saturated_Int64(q);
}

std::string Unit_Form(std::int64_t kilobytes, const std::string& separator) {
  if (kilobytes <= 0) return "0";
  const std::uint64_t v = static_cast<std::uint64_t>(kilobytes);
  if (v > (1ull << 30)) return Fixed(v, 30, 2, " TB", separator);
  if (v > (1ull << 20)) return Fixed(v, 20, 2, " GB", separator);
  if (v > (1ull << 10)) return Fixed(v, 10, 1, " MB", separator);
  if (v > 1) return Fixed(v, 0, 1, " KB", separator);
  return "1024 Bytes";
}

std::string Size_Caption(std::int64_t free_kb, std::int64_t capacity_kb,
                         const std::string& separator) {
  if (capacity_kb <= 0) return "0";
  std::string text = Unit_Form(free_kb, separator);
  text += " / ";
  text += Unit_Form(capacity_kb, separator);
  return text;
}

}  // namespace keldra::monitor
