#include "platform/uint128.h"

#include <gtest/gtest.h>

#include <random>

namespace keldra::platform {
namespace {

TEST(Uint128, KnownQuotientsProductsAndShifts) {
  const Uint128 two_64(1, 0);
  EXPECT_EQ(two_64 / Uint128(3), Uint128(0x5555555555555555ull));
  EXPECT_EQ(two_64 % Uint128(3), Uint128(1));
  const std::uint64_t all = ~0ull;
  EXPECT_EQ(Uint128(all) * Uint128(all), Uint128(all - 1, 1)) << "(2^64-1)^2";
  EXPECT_EQ(Uint128(all) + Uint128(1), two_64);
  EXPECT_EQ(two_64 - Uint128(1), Uint128(all));
  EXPECT_EQ((Uint128(0x8000000000000001ull) << 1), Uint128(1, 2));
  EXPECT_EQ((Uint128(1, 2) >> 1), Uint128(0x8000000000000001ull));
  EXPECT_EQ(Uint128(123456789) / Uint128(all), Uint128(0));
  EXPECT_EQ(Uint128(5, 7) & Uint128(4, 3), Uint128(4, 3));
  EXPECT_LT(Uint128(all), two_64);
}

#ifdef __SIZEOF_INT128__
// The two-halves type, where it stands in for the compiler's own, must agree with
// it on every operation the percentage uses.
TEST(Uint128, AgreesWithTheCompilersOwnType) {
  __extension__ typedef unsigned __int128 native;
  auto same = [](Uint128 a, native b) {
    return a.High() == static_cast<std::uint64_t>(b >> 64) &&
           static_cast<std::uint64_t>(a) == static_cast<std::uint64_t>(b);
  };
  std::mt19937_64 random(128);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t x = random() >> (random() % 64);
    const std::uint64_t y = (random() >> (random() % 64)) | 1;
    const int shift = static_cast<int>(random() % 70);
    const Uint128 a = Uint128(x) << shift;
    const native na = static_cast<native>(x) << shift;
    ASSERT_TRUE(same(a, na));
    ASSERT_TRUE(same(a / y, na / y)) << x << " << " << shift << " / " << y;
    ASSERT_TRUE(same(a % y, na % y));
    ASSERT_TRUE(same(a / (Uint128(y) << 3), na / (static_cast<native>(y) << 3)));
    ASSERT_TRUE(same(a + Uint128(y), na + y));
    ASSERT_TRUE(same(a - Uint128(y), na - y)) << "wraps as the native type does";
    ASSERT_EQ(a < Uint128(y), na < y);
    ASSERT_TRUE(same(a >> (shift / 2), na >> (shift / 2)));
    ASSERT_TRUE(same(a & Uint128(y), na & y));
    ASSERT_TRUE(same(Uint128(x) * Uint128(y), static_cast<native>(x) * y));
    ASSERT_TRUE(same(a * Uint128(y), na * y)) << "the low 128 bits of a wider product";
    ASSERT_EQ(a == (Uint128(x) << shift), true);
  }
  Uint128 all(~0ull, ~0ull);
  EXPECT_EQ(++all, Uint128(0)) << "wraps at 2^128";
  EXPECT_EQ(Uint128(1) << 128, Uint128(0));
  EXPECT_EQ(Uint128(1) << 64, Uint128(1, 0));
}
#endif

}  // namespace
}  // namespace keldra::platform
