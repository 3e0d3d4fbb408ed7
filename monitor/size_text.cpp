#include "monitor/size_text.h"

namespace keldra::monitor {
namespace {

__extension__ typedef unsigned __int128 u128;

constexpr int kSignificantDigits = 10;

int Decimal_Digits(std::uint64_t n) {
  int d = 1;
  while (n >= 10) {
    n /= 10;
    ++d;
  }
  return d;
}

// value = kb / 2^shift, shown with `decimals` decimals.
std::string Fixed(std::uint64_t kb, int shift, int decimals, const std::string& separator) {
  const std::uint64_t whole = kb >> shift;
  // Digits past the tenth significant one are shown as zeros. Whole parts never
  // pass ten digits here: even the largest count is under 8.6e9 TB.
  int kept = decimals;
  const int whole_digits = Decimal_Digits(whole);
  if (whole_digits + kept > kSignificantDigits) {
    kept = whole_digits >= kSignificantDigits ? 0 : kSignificantDigits - whole_digits;
  }
  u128 scale = 1;
  for (int i = 0; i < kept; ++i) scale *= 10;
  const u128 scaled = static_cast<u128>(kb) * scale;
  const u128 one = u128{1} << shift;
  u128 rounded = scaled >> shift;
  if (2 * (scaled & (one - 1)) >= one) ++rounded;  // half away from zero

  std::string digits = std::to_string(static_cast<std::uint64_t>(rounded));
  if (kept > 0 && digits.size() <= static_cast<std::size_t>(kept)) {
    digits.insert(0, static_cast<std::size_t>(kept) + 1 - digits.size(), '0');
  }
  std::string text = digits.substr(0, digits.size() - static_cast<std::size_t>(kept));
  if (decimals > 0) {
    text += separator;
    text += digits.substr(digits.size() - static_cast<std::size_t>(kept));
    text.append(static_cast<std::size_t>(decimals - kept), '0');
  }
  return text;
}

}  // namespace

std::int64_t Bytes_To_Kilobytes(std::int64_t bytes) {
  const bool negative = bytes < 0;
  const std::uint64_t bits = static_cast<std::uint64_t>(bytes);
  const std::uint64_t magnitude = negative ? 0 - bits : bits;
  std::uint64_t q = magnitude >> 10;
  const std::uint64_t r = magnitude & 1023;
  if (r > 512 || (r == 512 && (q & 1) != 0)) ++q;
  const std::int64_t kb = static_cast<std::int64_t>(q);
  return negative ? -kb : kb;
}

std::string Unit_Form(std::int64_t kilobytes, const std::string& separator) {
  if (kilobytes <= 0) return "0";
  const std::uint64_t v = static_cast<std::uint64_t>(kilobytes);
  if (v > (1ull << 30)) return Fixed(v, 30, 2, separator) + " TB";
  if (v > (1ull << 20)) return Fixed(v, 20, 2, separator) + " GB";
  if (v > (1ull << 10)) return Fixed(v, 10, 1, separator) + " MB";
  if (v > 1) return Fixed(v, 0, 1, separator) + " KB";
  return "1024 Bytes";
}

std::string Size_Caption(std::int64_t free_kb, std::int64_t capacity_kb,
                         const std::string& separator) {
  if (capacity_kb <= 0) return "0";
  return Unit_Form(free_kb, separator) + " / " + Unit_Form(capacity_kb, separator);
}

}  // namespace keldra::monitor
