#include "ini/profile_values.h"

#include <gtest/gtest.h>

namespace keldra::ini {
namespace {

TEST(Parse_Profile_Integer, DecimalHexSignsBlanksAndLimits) {
  const struct {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"30000", 30000},
      {" 45000", 45000},
      {"   -7", -7},
      {"+12", 12},
      {"0x7530", 30000},
      {"0X7530", 30000},
      {"$7530", 30000},
      {"$ffffffff", -1},
      {"0x80000000", INT32_MIN},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"$100000000", std::nullopt},
      {"0x", std::nullopt},
      {"$", std::nullopt},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"true", std::nullopt},
      {"12abc", std::nullopt},
      {"1 ", std::nullopt},
      {"- 1", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"0", 0},
      {"007", 7},
  };
  for (const auto& c : cases) EXPECT_EQ(Parse_Profile_Integer(c.text), c.value) << c.text;
}

TEST(Str_To_Int_Def, FallsBackToTheDefault) {
  EXPECT_EQ(Str_To_Int_Def("abc", 30000), 30000);
  EXPECT_EQ(Str_To_Int_Def("2", 0), 2);
}

TEST(Upper_Case_Ascii, ChangesOnlyAToZ) {
  EXPECT_EQ(Upper_Case_Ascii("dc1\xC3\xA4z["), "DC1\xC3\xA4Z[");
  EXPECT_EQ(Lower_Case_Ascii("DC1\xC3\x84Z["), "dc1\xC3\x84z[");
}

}  // namespace
}  // namespace keldra::ini
