// The program's icon holds the sizes a title bar, the taskbar and Explorer ask for
// as plain bitmaps, which every Windows reads (older ones and Wine read no PNG at
// these sizes), besides the large PNG.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include <gtest/gtest.h>

namespace {

std::uint32_t Little(const std::string& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
  return v;
}

TEST(Program_Icon, HoldsBitmapsOf16_32And48PixelsAndALargePng) {
  std::ifstream in(KELDRA_ICON_PATH, std::ios::binary);
  const std::string ico((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GE(ico.size(), 6u);
  ASSERT_EQ(Little(ico, 2, 2), 1u) << "an icon, not a cursor";
  const std::uint32_t count = Little(ico, 4, 2);
  std::set<int> bitmaps;
  bool large_png = false;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    ASSERT_LE(entry + 16, ico.size());
    const int size = ico[entry] == 0 ? 256 : static_cast<unsigned char>(ico[entry]);
    const std::uint32_t length = Little(ico, entry + 8, 4);
    const std::uint32_t offset = Little(ico, entry + 12, 4);
    ASSERT_LE(std::uint64_t{offset} + length, ico.size()) << "image " << i;
    if (ico.compare(offset, 4, "\x89PNG") == 0) {
      large_png = large_png || size >= 64;
    } else {
      // A bitmap header whose height counts the image and its mask.
      EXPECT_EQ(Little(ico, offset, 4), 40u) << size;
      EXPECT_EQ(Little(ico, offset + 8, 4), 2u * static_cast<std::uint32_t>(size)) << size;
      bitmaps.insert(size);
    }
  }
  EXPECT_EQ(bitmaps, (std::set<int>{16, 32, 48}));
  EXPECT_TRUE(large_png);
}

}  // namespace
