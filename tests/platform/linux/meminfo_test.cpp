#include "platform/linux/linux_memory.h"

#include <gtest/gtest.h>

namespace keldra::platform::linux_impl {
namespace {

TEST(Parse_Meminfo, TakesAvailableMemoryAndSwapInBytes) {
  const auto m = Parse_Meminfo(
      "MemTotal:       16000000 kB\nMemFree:  100 kB\nMemAvailable:    8000000 kB\n"
      "SwapTotal:       4000000 kB\nSwapFree:        3400000 kB\n");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->total_phys, 16000000ull * 1024);
  EXPECT_EQ(m->avail_phys, 8000000ull * 1024) << "available, not merely free";
  EXPECT_EQ(m->total_page_file, 4000000ull * 1024);
  EXPECT_EQ(m->avail_page_file, 3400000ull * 1024);
  EXPECT_FALSE(Parse_Meminfo("garbage\n"));
  EXPECT_FALSE(Parse_Meminfo("MemAvailable: 5 kB\n")) << "no total, no reading";
}

}  // namespace
}  // namespace keldra::platform::linux_impl
