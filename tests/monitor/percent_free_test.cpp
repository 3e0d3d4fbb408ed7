#include "monitor/percent_free.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include <gtest/gtest.h>

namespace keldra::monitor {
namespace {

TEST(Percent_Free, ExamplesIncludingTheOnesDecidedByEvaluationOrder) {
  const struct {
    std::int64_t free, total;
    std::int32_t expected;
  } cases[] = {
      {50, 200, 25},    {200, 200, 100},   {1, 3, 33},
      {2, 3, 66},       {9, 18, 49},       {0, 0, 0},
      {5, 0, 0},        {5, -1, 0},        {0, 100, 0},
      {107, 1000, 10},  {300, 1000, 30},  // the TotalRow example, in kilobytes
      {999, 100000, 0}, {9999, 10000, 99}, {123456789012, 500107862016, 24},
      {600, 200, 300},  // a quota lets free exceed total
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Percent_Free(c.free, c.total), c.expected) << c.free << " of " << c.total;
  }
}

TEST(Percent_Free, HugeQuotientsAreHeldAtTheEdgeOfThe32BitRange) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  EXPECT_EQ(Percent_Free(kMax, 1), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(Percent_Free(kMax, kMax), 100);
  EXPECT_EQ(Percent_Free(std::numeric_limits<std::int64_t>::min(), 1),
            -std::numeric_limits<std::int32_t>::max());
}

// Where long double is the x87 format, the hardware is the reference the integer
// arithmetic must reproduce, case by case, including the near-integer quotients
// where one rounding step decides the answer.
TEST(Percent_Free, AgreesWithX87ExtendedPrecisionEverywhere) {
  if (std::numeric_limits<long double>::digits != 64) {
    GTEST_SKIP() << "long double is not the 64-bit-mantissa format on this target";
  }
  auto reference = [](std::int64_t free, std::int64_t total) {
    volatile long double t = static_cast<long double>(total) / 100.0L;
    volatile long double q = static_cast<long double>(free) / t;
    return static_cast<std::int64_t>(std::trunc(q));
  };
  std::mt19937_64 rng(20261208);
  int checked = 0;
  auto check = [&](std::int64_t free, std::int64_t total) {
    if (total <= 0 || free < 0 || free / 4 > total) return;
    ASSERT_EQ(Percent_Free(free, total), reference(free, total)) << free << " of " << total;
    ++checked;
  };
  for (std::int64_t total = 1; total <= 400; ++total) {
    for (std::int64_t free = 0; free <= total; ++free) check(free, total);
  }
  for (int i = 0; i < 200000; ++i) {
    const int bits = 1 + static_cast<int>(rng() % 62);
    const std::int64_t total = static_cast<std::int64_t>(rng() >> (64 - bits)) + 1;
    // Exact multiples and their neighbours are where truncation is decided.
    const std::int64_t pct = static_cast<std::int64_t>(rng() % 101);
    // total * pct / 100 without a product that could overflow.
    const std::int64_t exact = total / 100 * pct + total % 100 * pct / 100;
    for (int d = -2; d <= 2; ++d) check(exact + d, total);
    check(static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(total)), total);
  }
  EXPECT_GT(checked, 1000000);
}

}  // namespace
}  // namespace keldra::monitor
