#pragma once
// Unsigned 128-bit arithmetic for space figures, which can pass 64 bits (blocks
// times block size), and for the percentage's exact rounding: the compiler's own
// type where it has one, otherwise two 64-bit halves with the few operations the
// calculations need (32-bit targets have no native 128-bit type).
#include <compare>
#include <cstdint>

namespace keldra::platform {

class Uint128 {
 public:
  constexpr Uint128(std::uint64_t low = 0)
      : hi_(0), lo_(low) {}  // NOLINT: converts like a built-in
  constexpr Uint128(std::uint64_t high, std::uint64_t low) : hi_(high), lo_(low) {}

  constexpr explicit operator std::uint64_t() const { return lo_; }
  constexpr std::uint64_t High() const { return hi_; }

  friend constexpr bool operator==(const Uint128&, const Uint128&) = default;
  friend constexpr std::strong_ordering operator<=>(const Uint128& a, const Uint128& b) {
    return a.hi_ != b.hi_ ? a.hi_ <=> b.hi_ : a.lo_ <=> b.lo_;
  }

  friend constexpr Uint128 operator<<(const Uint128& a, int n) {
    if (n <= 0) return a;
    if (n >= 128) return Uint128();
    if (n >= 64) return Uint128(a.lo_ << (n - 64), 0);
    return Uint128((a.hi_ << n) | (a.lo_ >> (64 - n)), a.lo_ << n);
  }
  friend constexpr Uint128 operator>>(const Uint128& a, int n) {
    if (n <= 0) return a;
    if (n >= 128) return Uint128();
    if (n >= 64) return Uint128(a.hi_ >> (n - 64));
    return Uint128(a.hi_ >> n, (a.lo_ >> n) | (a.hi_ << (64 - n)));
  }
  friend constexpr Uint128 operator&(const Uint128& a, const Uint128& b) {
    return Uint128(a.hi_ & b.hi_, a.lo_ & b.lo_);
  }
  // The low 128 bits of the product, from 32-bit pieces.
  friend constexpr Uint128 operator*(const Uint128& a, const Uint128& b) {
    const std::uint64_t mask = 0xFFFFFFFFu;
    const std::uint64_t a0 = a.lo_ & mask, a1 = a.lo_ >> 32, b0 = b.lo_ & mask, b1 = b.lo_ >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const std::uint64_t middle = (p00 >> 32) + (p01 & mask) + (p10 & mask);
    const std::uint64_t low = (middle << 32) | (p00 & mask);
    const std::uint64_t high =
        p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32) + a.hi_ * b.lo_ + a.lo_ * b.hi_;
    return Uint128(high, low);
  }
  friend constexpr Uint128 operator+(const Uint128& a, const Uint128& b) {
    const std::uint64_t low = a.lo_ + b.lo_;
    return Uint128(a.hi_ + b.hi_ + (low < a.lo_ ? 1 : 0), low);
  }
  friend constexpr Uint128 operator-(const Uint128& a, const Uint128& b) {
    return Uint128(a.hi_ - b.hi_ - (a.lo_ < b.lo_ ? 1 : 0), a.lo_ - b.lo_);
  }
  constexpr Uint128& operator++() { return *this = *this + Uint128(1); }

  friend constexpr Uint128 operator/(const Uint128& a, const Uint128& b) {
    Uint128 rest;
    return Divide(a, b, rest);
  }
  friend constexpr Uint128 operator%(const Uint128& a, const Uint128& b) {
    Uint128 rest;
    Divide(a, b, rest);
    return rest;
  }

 private:
  // Long division, one bit at a time from the dividend's highest set bit.
  static constexpr Uint128 Divide(const Uint128& a, const Uint128& b, Uint128& rest) {
    Uint128 quotient;
    rest = Uint128();
    for (int bit = Bits(a) - 1; bit >= 0; --bit) {
      rest = rest << 1;
      if (Bit(a, bit)) rest.lo_ |= 1;
      if (rest >= b) {
        rest = rest - b;
        if (bit >= 64)
          quotient.hi_ |= std::uint64_t{1} << (bit - 64);
        else
          quotient.lo_ |= std::uint64_t{1} << bit;
      }
    }
    return quotient;
  }
  static constexpr int Bits(const Uint128& a) {
    int n = 128;
    while (n > 0 && !Bit(a, n - 1)) --n;
    return n;
  }
  static constexpr bool Bit(const Uint128& a, int bit) {
    return bit >= 64 ? (a.hi_ >> (bit - 64)) & 1 : (a.lo_ >> bit) & 1;
  }

  std::uint64_t hi_;
  std::uint64_t lo_;
};

#ifdef __SIZEOF_INT128__
__extension__ typedef unsigned __int128 u128;
#else
using u128 = Uint128;
#endif

inline constexpr u128 U128_Max = u128{0} - u128{1};

// a * b, held at U128_Max rather than wrapping.
constexpr u128 Saturating_Product(u128 a, u128 b) {
  if (a != u128{0} && b > U128_Max / a) return U128_Max;
  return a * b;
}

// The value, held at the largest 64-bit signed count rather than wrapping.
constexpr std::int64_t Saturated_Int64(u128 v) {
  constexpr std::uint64_t kMax = ~std::uint64_t{0} >> 1;
  return v > u128{kMax} ? static_cast<std::int64_t>(kMax)
                        : static_cast<std::int64_t>(static_cast<std::uint64_t>(v));
}

}  // namespace keldra::platform
