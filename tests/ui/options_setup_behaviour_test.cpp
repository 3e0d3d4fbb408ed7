// The options dialog's behaviour over a view in memory: the list's round trip,
// Add Drive with its two messages, and removal on the user's word.
#include <gtest/gtest.h>

#include "tests/ui/behaviour_fixture.h"

namespace keldra::test {
namespace {

class Options_Behaviour : public ::testing::Test, public Behaviour_Fixture {
 protected:
  Options_Behaviour() { options.Set_Drive_Limit(); }
  void Fill(const std::string& letters, std::uint32_t interval = 30000) {
    main.Set_Monitored_Drive_Letters(letters);
    main.Set_Timer_Interval(interval);
    options.Fill_Options_Dialog(main);
  }
};

TEST_F(Options_Behaviour, TheListAndIntervalMakeTheRoundTrip) {
  const struct {
    std::uint32_t interval;
    std::string letters;
    int shown_seconds;
    std::uint32_t read_back;
    std::string letters_back;
  } cases[] = {
      {45500, "DC", 45, 45000, "CD"},
      {0xFFFFFFFFu, "C", 1000, 1000000, "C"},  // at most 1000 s reach the field
      {1500, "CDC", 1, 1000, "CCD"},
      // Only the first 27 characters pass through the list, sorted.
      {30000, "ZYXWVUTSRQPONMLKJIHGFEDCBA987", 30, 30000, "9ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
  };
  for (const auto& c : cases) {
    Fill(c.letters, c.interval);
    EXPECT_EQ(options_view.seconds, c.shown_seconds) << c.letters;
    options.Read_Options_Dialog(main);
    EXPECT_EQ(main.Timer_Interval(), c.read_back) << c.letters;
    EXPECT_EQ(main.Monitored_Drive_Letters(), c.letters_back) << c.letters;
  }
}

TEST_F(Options_Behaviour, AddingDrivesAndTheTwoMessages) {
  Fill("C");
  options.FormActivate();
  options_view.current_drive = 'd';
  options.AddButtonClick();
  EXPECT_EQ(options_view.entries, (std::vector<std::string>{"C", "D"}));
  options.AddButtonClick();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, platform::Message_Kind::Information);
  EXPECT_EQ(boxes.shown[0].text, "This drive is already being monitored !");
  EXPECT_EQ(boxes.shown[0].title, "Information");

  // A full list: the new a: is refused, naming the limit read at activation.
  Fill("BCDEFGHIJKLMNOPQRSTUVWXYZQ");
  ASSERT_EQ(options_view.entries.size(), 26u);
  options_view.current_drive = 'a';
  options.AddButtonClick();
  EXPECT_EQ(options_view.entries.size(), 26u);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].kind, platform::Message_Kind::Warning);
  EXPECT_EQ(boxes.shown[1].text, "Sorry, Cannot add more than 26 drives.");

  // With no current drive there is nothing to add.
  Fill("C");
  options_view.current_drive.reset();
  options.AddButtonClick();
  EXPECT_EQ(options_view.entries, (std::vector<std::string>{"C"}));
  EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(Options_Behaviour, RemovingAsksEveryTimeAndOnlyYesRemoves) {
  Fill("DC");
  options.ListBox1Click();
  EXPECT_TRUE(boxes.shown.empty()) << "nothing selected, nothing asked";
  options_view.selected = 1;
  boxes.answers = {platform::Button_Cancel};
  options.ListBox1Click();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Remove this Drive ?");
  EXPECT_EQ(boxes.shown[0].kind, platform::Message_Kind::Warning);
  EXPECT_EQ(boxes.shown[0].buttons, platform::Button_Yes | platform::Button_Cancel);
  EXPECT_EQ(boxes.shown[0].default_button, platform::Button_Yes);
  EXPECT_EQ(boxes.shown[0].escape_button, platform::Button_Cancel);
  EXPECT_EQ(options_view.entries.size(), 2u);
  boxes.answers = {platform::Button_Yes};
  options.ListBox1Click();
  EXPECT_EQ(options_view.entries, (std::vector<std::string>{"C"}));
}

}  // namespace
}  // namespace keldra::test
