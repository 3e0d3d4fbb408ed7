// The options dialog's behaviour over a view in memory: the list's round trip,
// Add Drive with its two messages, and removal on the user's word.
#include <gtest/gtest.h>

#include "tests/ui/behaviour_fixture.h"
#include "ui/options_setup_description.h"

namespace keldra::test {
namespace {

class Options_Behaviour : public ::testing::Test, public Behaviour_Fixture {
 protected:
  Options_Behaviour() {
    options.Set_Drive_Limit();
    table.drives = {{'A', "/a", platform::Drive_Type::Removable, "", ""},
                    {'C', "/", platform::Drive_Type::Fixed, "system", ""},
                    {'D', "/d", platform::Drive_Type::Fixed, "data", ""}};
    table.forms.clear();  // the current directory lies on no lettered drive
    options.Fill_Chooser();
  }
  void Pick(char letter) {
    const auto& entries = options_view.chooser;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].letter == letter) options.DriveComboBox1Pick(i);
    }
  }
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
      {0xFFFFFFFFu, "C", 200, 200000, "C"},  // the field brings it into 1..200
      {1500, "CDC", 1, 1000, "CCD"},
      // Only the first 27 characters pass through the list, sorted.
      {30000, "ZYXWVUTSRQPONMLKJIHGFEDCBA987", 30, 30000, "9ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
  };
  for (const auto& c : cases) {
    Fill(c.letters, c.interval);
    EXPECT_EQ(options_view.interval_text, std::to_string(c.shown_seconds)) << c.letters;
    options.Read_Options_Dialog(main);
    EXPECT_EQ(main.Timer_Interval(), c.read_back) << c.letters;
    EXPECT_EQ(main.Monitored_Drive_Letters(), c.letters_back) << c.letters;
  }
}

TEST_F(Options_Behaviour, AddingDrivesAndTheTwoMessages) {
  Fill("C");
  options.FormActivate();
  Pick('d');
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
  Pick('a');
  options.AddButtonClick();
  EXPECT_EQ(options_view.entries.size(), 26u);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].kind, platform::Message_Kind::Warning);
  EXPECT_EQ(boxes.shown[1].text, "Sorry, Cannot add more than 26 drives.");

  // With no current drive there is nothing to add.
  Behaviour_Fixture fresh;
  fresh.table.forms.clear();
  fresh.options.Fill_Chooser();
  ASSERT_FALSE(fresh.options.Current_Drive().has_value());
  main.Set_Monitored_Drive_Letters("C");
  fresh.options.Fill_Options_Dialog(main);
  fresh.options.AddButtonClick();
  EXPECT_EQ(fresh.options_view.entries, (std::vector<std::string>{"C"}));
  EXPECT_TRUE(fresh.boxes.shown.empty());
}

TEST_F(Options_Behaviour, RemovingAsksEveryTimeAndOnlyYesRemoves) {
  Fill("DC");
  options.ListBox1Click(std::nullopt);
  EXPECT_TRUE(boxes.shown.empty()) << "nothing selected, nothing asked";
  boxes.answers = {platform::Button_Cancel};
  options.ListBox1Click(1);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Remove this Drive ?");
  EXPECT_EQ(boxes.shown[0].kind, platform::Message_Kind::Warning);
  EXPECT_EQ(boxes.shown[0].buttons, platform::Button_Yes | platform::Button_Cancel);
  EXPECT_EQ(boxes.shown[0].default_button, platform::Button_Yes);
  EXPECT_EQ(boxes.shown[0].escape_button, platform::Button_Cancel);
  EXPECT_EQ(options_view.entries.size(), 2u);
  // The Remove button's command, with the entry the dialog has selected.
  boxes.answers = {platform::Button_Yes};
  options_view.selected = 1;
  options.Run_Command(ui::Options_Remove_Drive);
  EXPECT_EQ(options_view.entries, (std::vector<std::string>{"C"}));
  options.Run_Command(ui::Options_OK);
  EXPECT_EQ(options_view.closed, 1);
}

// The chooser opens after a short wait, listing a drive that has not answered by
// its letter; while the dialog is open, it is asked again without waiting and
// filled in once it has answered, the user's pick kept.
TEST_F(Options_Behaviour, ADriveThatAnswersLateIsFilledInWhileTheDialogIsOpen) {
  Behaviour_Fixture f;
  f.table.drives = {{'C', "/", platform::Drive_Type::Fixed, "system", ""},
                    {'G', "/g", platform::Drive_Type::Remote, "", "//nas/share"}};
  f.table.drives[1].answered = false;
  f.options.Fill_Chooser();
  ASSERT_EQ(f.options_view.chooser.size(), 2u);
  EXPECT_EQ(f.options_view.chooser[1].text, "g:");
  f.options.DriveComboBox1Pick(1);

  f.options.Chooser_TimerTimer();  // still out: nothing new to show
  EXPECT_EQ(f.options_view.chooser_shown, 1);
  f.table.drives[1].answered = true;
  f.options.Chooser_TimerTimer();
  EXPECT_EQ(f.options_view.chooser_shown, 2);
  EXPECT_EQ(f.options_view.chooser[1].text, "g: //nas/share");
  EXPECT_EQ(f.options_view.chooser_current, std::optional<std::size_t>{1});
  EXPECT_EQ(f.options.Current_Drive(), std::optional<char>{'g'});
  f.options.Chooser_TimerTimer();  // all answered: the table is not asked again
  EXPECT_EQ(f.table.waits, (std::vector<std::chrono::milliseconds>{ui::Chooser_First_Wait,
                                                                   std::chrono::milliseconds{0},
                                                                   std::chrono::milliseconds{0}}));
  // The current folder's drive is asked within what is left of the same short wait.
  ASSERT_EQ(f.table.form_waits.size(), 1u);
  EXPECT_LE(f.table.form_waits[0], ui::Chooser_First_Wait);
}

}  // namespace
}  // namespace keldra::test
