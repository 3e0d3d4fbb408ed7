#include "extras/text_helpers.h"

#include <gtest/gtest.h>

namespace keldra::extras {
namespace {

TEST(Text_Helpers, SwapAndSortByByteValue) {
  EXPECT_EQ(Swap_Chars("ABC", 1, 3), "CBA");
  EXPECT_EQ(Swap_Chars("ABC", 2, 4), "");
  EXPECT_EQ(Swap_Chars("ABC", 0, 1), "");
  EXPECT_EQ(Swap_Chars("ABC", 2, 2), "ABC");
  EXPECT_EQ(Swap_Chars("", 1, 1), "");
  const struct {
    const char* in;
    const char* out;
  } sorts[] = {{"DCA", "ACD"},
               {"CAC", "ACC"},
               {"", ""},
               {"Z", "Z"},
               {"\xE4"
                "A\\",
                "A\\\xE4"},  // bytes above 127 sort last, as unsigned
               {"ZYXWVUTSRQPONMLKJIHGFEDCBA", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}};
  for (const auto& c : sorts) EXPECT_EQ(Sort_Chars(c.in), c.out) << c.in;
  EXPECT_EQ(First_Char("D:/x"), 'D');
  EXPECT_EQ(First_Char(""), '\0');
}

}  // namespace
}  // namespace keldra::extras
