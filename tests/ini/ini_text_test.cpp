#include "ini/ini_text.h"

#include <gtest/gtest.h>

namespace keldra::ini {
namespace {

TEST(Ini_Find_Value, WindowsLookupRules) {
  const std::string text =
      "; comment\r\n"
      "orphan=before any section\r\n"
      "[Other]\r\n"
      "timer_interval=1\r\n"
      "[ KELDRA ]\r\n"
      "  TIMER_INTERVAL  =  45000  \r\n"
      "quoted=\"  spaced  \"\r\n"
      "single='x'\r\n"
      "lonely\"=\"\r\n"
      "empty=\r\n"
      "noequals\r\n"
      "dup=first\r\n"
      "dup=second\r\n"
      "[keldra]\r\n"
      "late=from the second copy of the section\r\n";
  const struct {
    const char* section;
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"keldra", "timer_interval", "45000"},
      {"Other", "TIMER_INTERVAL", "1"},
      {"keldra", "quoted", "  spaced  "},
      {"keldra", "single", "x"},
      {"keldra", "empty", ""},
      {"keldra", "noequals", std::nullopt},
      {"keldra", "missing", std::nullopt},
      {"nosuch", "timer_interval", std::nullopt},
      {"keldra", "orphan", std::nullopt},
      {"keldra", "; comment", std::nullopt},
      {"keldra", "dup", "first"},
      // A second section of the same name is never read (nor written): the first
      // one of a name is the section.
      {"keldra", "late", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Ini_Find_Value(text, c.section, c.key), c.value) << c.section << "/" << c.key;
  }
}

TEST(Ini_Find_Value, CrAloneEndsALineAndANulEndsAValue) {
  using namespace std::string_literals;
  const std::string text = "[keldra]\rtimer_interval=4000\rletters=CD\0E\r\nq=\"x\0y\"\n"s;
  EXPECT_EQ(Ini_Find_Value(text, "keldra", "timer_interval"), "4000");
  EXPECT_EQ(Ini_Find_Value(text, "keldra", "letters"), "CD");
  EXPECT_EQ(Ini_Find_Value(text, "keldra", "q"), "x");
}

TEST(Ini_Find_Value, ReadsAtMost2047Characters) {
  const std::string value(100000, 'x');
  auto got = Ini_Find_Value("[s]\nk=" + value + "\n", "s", "k");
  ASSERT_TRUE(got);
  EXPECT_EQ(got->size(), Max_Profile_Value);
}

TEST(Ini_Set_Value, ReplacesTheLineKeepingEverythingElseByteForByte) {
  const std::string before =
      "; keep me\r\n[keldra]\r\nTimer_Interval=1\r\nunknown=stay\r\n\r\n[other]\r\nx=1\r\n";
  EXPECT_EQ(
      *Ini_Set_Value(before, "KELDRA", "timer_interval", "30000"),
      "; keep me\r\n[keldra]\r\nTimer_Interval=30000\r\nunknown=stay\r\n\r\n[other]\r\nx=1\r\n");
}

TEST(Ini_Set_Value, AppendsAtTheEndOfItsSectionWithTheFilesLineEnding) {
  EXPECT_EQ(*Ini_Set_Value("[keldra]\r\na=1\r\n\r\n[other]\r\nx=1\r\n", "keldra", "b", "2"),
            "[keldra]\r\na=1\r\nb=2\r\n\r\n[other]\r\nx=1\r\n");
  EXPECT_EQ(*Ini_Set_Value("[keldra]\na=1", "keldra", "b", "2"), "[keldra]\na=1\nb=2\n");
  EXPECT_EQ(*Ini_Set_Value("[other]\nx=1\n", "keldra", "b", "2"), "[other]\nx=1\n[keldra]\nb=2\n");
  // A file with no line ending yet gets CR LF, as the system's own calls write it.
  EXPECT_EQ(*Ini_Set_Value("", "keldra", "b", "2"), "[keldra]\r\nb=2\r\n");
  EXPECT_EQ(*Ini_Set_Value("[keldra]", "keldra", "b", "2"), "[keldra]\r\nb=2\r\n");
  // Cut off between CR and LF: the line is finished, not given a second CR.
  EXPECT_EQ(*Ini_Set_Value("[keldra]\r\na=1\r", "keldra", "b", "2"), "[keldra]\r\na=1\r\nb=2\r\n");
  EXPECT_EQ(*Ini_Set_Value("[other]\r", "keldra", "b", "2"), "[other]\r\n[keldra]\r\nb=2\r\n");
  EXPECT_EQ(*Ini_Set_Value("[keldra]\n", "keldra", "b", "2"), "[keldra]\nb=2\n");
  // Lines ended by CR alone: the key found and replaced in place, new ones alike.
  EXPECT_EQ(*Ini_Set_Value("[keldra]\ra=1\rc=3\r", "keldra", "a", "9"), "[keldra]\ra=9\rc=3\r");
  EXPECT_EQ(*Ini_Set_Value("[keldra]\ra=1\r", "keldra", "b", "2"), "[keldra]\ra=1\rb=2\r");
}

TEST(Ini_Set_Value, WhatIsWrittenReadsBack) {
  std::string text = "[keldra]\nwindow_top_posn=1\n";
  const char* keys[] = {"window_top_posn", "window_left_posn", "timer_interval", "letters"};
  for (const char* k : keys) text = *Ini_Set_Value(text, "keldra", k, std::string(k) + "-v");
  for (const char* k : keys) EXPECT_EQ(*Ini_Find_Value(text, "keldra", k), std::string(k) + "-v");
  EXPECT_EQ(text,
            "[keldra]\nwindow_top_posn=window_top_posn-v\nwindow_left_posn=window_left_posn-v\n"
            "timer_interval=timer_interval-v\nletters=letters-v\n");
}

TEST(Ini_Set_Value, RefusesWhatAnIniLineCannotHold) {
  EXPECT_FALSE(Ini_Set_Value("", "s", "k", "two\nlines"));
  EXPECT_FALSE(Ini_Set_Value("", "s", "k", "cr\r"));
  EXPECT_FALSE(Ini_Set_Value("", "s", "a=b", "v"));
  EXPECT_FALSE(Ini_Set_Value("", "s", "", "v"));
  EXPECT_FALSE(Ini_Set_Value("", "s]", "k", "v"));
  EXPECT_FALSE(Ini_Set_Value("", "s", "[k", "v"));
}

// The settings reader takes a whole section at once: the first section of a name is
// the section, entries of a later one of that name never join it, even where the first
// is empty.
TEST(Ini_Section_Entries, OnlyTheFirstSectionOfANameCounts) {
  const std::string text =
      "[keldra]\r\na=1\r\n[other]\r\nb=2\r\n[KELDRA]\r\na=3\r\nc=4\r\n"
      "[empty]\r\n[empty]\r\nd=5\r\n";
  const std::vector<Ini_Entry> keldra = Ini_Section_Entries(text, "keldra");
  ASSERT_EQ(keldra.size(), 1u);
  EXPECT_EQ(keldra[0].name, "a");
  EXPECT_EQ(keldra[0].value, "1");
  EXPECT_TRUE(Ini_Section_Entries(text, "empty").empty());
  EXPECT_EQ(Ini_Section_Entries(text, " Other ").size(), 1u);
}

}  // namespace
}  // namespace keldra::ini
