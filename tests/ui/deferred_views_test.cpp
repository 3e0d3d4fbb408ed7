#include "ui/deferred_views.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_views.h"

namespace keldra::test {
namespace {

using ui::About_Field;

TEST(Deferred_Views, TheAboutBoxIsBuiltOnceWhenShownWithTheLastOfEachFieldTold) {
  Fake_About_View box;
  int builds = 0;
  ui::Deferred_About_Box_View view([&]() -> ui::About_Box_View& {
    ++builds;
    return box;
  });
  view.Set_Field(About_Field::Caption, "first");
  view.Set_Field(About_Field::Product_Name, "Keldra");
  view.Set_Field(About_Field::Caption, "second");  // a show sequence run again
  view.Show_Control("WEB_Button", false);
  view.Move_Control("WEB_Address_Label", 1, 2);
  view.Close();  // nothing to close yet: it is not built for that
  EXPECT_EQ(builds, 0);
  EXPECT_TRUE(box.fields.empty());

  view.Show_Modal();
  EXPECT_EQ(builds, 1);
  EXPECT_EQ(box.shown, 1);
  EXPECT_EQ(box.closed, 0);
  EXPECT_EQ(box[About_Field::Caption], "second");
  EXPECT_EQ(box[About_Field::Product_Name], "Keldra");
  EXPECT_EQ(box.controls,
            (std::vector<std::string>{"hide WEB_Button", "move WEB_Address_Label 1,2"}));

  // Built, every call goes straight through.
  view.Set_Field(About_Field::Quote, "a quote");
  view.Set_Running(true);
  view.Close();
  view.Show_Modal();
  EXPECT_EQ(builds, 1);
  EXPECT_EQ(box[About_Field::Quote], "a quote");
  EXPECT_TRUE(box.running);
  EXPECT_EQ(box.closed, 1);
  EXPECT_EQ(box.shown, 2);
}

TEST(Deferred_Views, TheOptionsDialogGetsWhatItWasToldBeforeItWasBuilt) {
  Fake_Options_View dialog;
  int builds = 0;
  ui::Deferred_Options_Setup_View view([&]() -> ui::Options_Setup_View& {
    ++builds;
    return dialog;
  });
  view.Show_Entries({"c:", "d:"});
  view.Show_Entries({"c:"});
  view.Show_Interval_Text("3");
  view.Show_Chooser({monitor::Chooser_Entry{}}, 0);
  view.Show_Total_Checked(true);
  view.Show_Always_On_Top_Checked(true);
  EXPECT_EQ(builds, 0);

  ui::Options_Setup_View& built = view.Built();
  EXPECT_EQ(&built, &dialog);
  EXPECT_EQ(dialog.entries, (std::vector<std::string>{"c:"}));
  EXPECT_EQ(dialog.interval_text, "3");
  ASSERT_EQ(dialog.chooser.size(), 1u);
  EXPECT_EQ(dialog.chooser_current, 0u);
  EXPECT_EQ(dialog.limit, 20);  // never told: left as designed
  EXPECT_TRUE(dialog.show_total);
  EXPECT_TRUE(dialog.on_top);

  view.Show_Drive_Limit(26);
  view.Show_Modal();
  EXPECT_EQ(builds, 1);
  EXPECT_EQ(dialog.limit, 26);
  EXPECT_EQ(dialog.shown, 1);
}

}  // namespace
}  // namespace keldra::test
