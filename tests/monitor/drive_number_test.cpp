#include "monitor/drive_number.h"

#include <gtest/gtest.h>

#include "platform/keldra_error.h"

namespace keldra::monitor {
namespace {

TEST(Drive_Letter_To_Number, MapsLettersOfEitherCaseAndRejectsEverythingElse) {
  const struct {
    const char* letter;
    const char* number;
  } cases[] = {{"C", "3"},  {"c", "3"},  {"A", "1"},       {"a", "1"},
               {"Z", "26"}, {"z", "26"}, {"CD", "3"},      {"1", ""},
               {" ", ""},   {"[", ""},   {"{", ""},        {"@", ""},
               {"`", ""},   {"", ""},    {"\xC3\xA4", ""}, {"\\\\server", ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(Drive_Letter_To_Number(c.letter), c.number) << "'" << c.letter << "'";
  }
}

TEST(Root_Path, IsTheLetterOfTheNumber) {
  EXPECT_EQ(Root_Path(1), "A:\\");
  EXPECT_EQ(Root_Path(3), "C:\\");
  EXPECT_EQ(Root_Path(26), "Z:\\");
}

TEST(String_To_Integer, ConvertsNumbersAndNamesTheBadText) {
  EXPECT_EQ(String_To_Integer("26"), 26);
  try {
    String_To_Integer("");
    FAIL() << "an empty text converted";
  } catch (const Keldra_Error& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid integer value");
  }
  EXPECT_THROW(String_To_Integer("x1"), Keldra_Error);
}

TEST(Standard_Error_Text, AddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(Standard_Error_Text("'' is not a valid integer value"),
            "'' is not a valid integer value.");
  EXPECT_EQ(Standard_Error_Text("Done."), "Done.");
  EXPECT_EQ(Standard_Error_Text("Really!"), "Really!");  // '!' sorts before '.'
  EXPECT_EQ(Standard_Error_Text("path /"), "path /.");   // '/' sorts after '.'
  EXPECT_EQ(Standard_Error_Text(""), "");
}

}  // namespace
}  // namespace keldra::monitor
