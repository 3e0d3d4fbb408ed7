// The About box's behaviour over a view in memory: its texts, the steps of each
// activation, closing, and the links.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/ui/behaviour_fixture.h"
#include "ui/about_texts.h"

namespace keldra::test {
namespace {

using ui::About_Field;

class About_Behaviour : public ::testing::Test, public Behaviour_Fixture {
 protected:
  void Fill() {
    about.Fill_About_Box_Texts(title, [this](const std::string& c) { view.caption = c; });
  }
};

TEST_F(About_Behaviour, TheTextsAndTheCopyrightYearOfTheLastFill) {
  Fill();
  EXPECT_EQ(title.text, "Keldra v3.6f");
  EXPECT_EQ(view.caption, "Keldra v3.6f");
  EXPECT_EQ(about_view[About_Field::Product_Name], "Keldra v3.6f");
  EXPECT_TRUE(about_view[About_Field::Author_and_Date].ends_with(", November 2002"));
  EXPECT_TRUE(about_view[About_Field::Copyright].ends_with("2026"));
  for (About_Field f :
       {About_Field::Developed_Using, About_Field::Comments_Lead_In, About_Field::Web_Page_Lead_In,
        About_Field::Email_Address, About_Field::Web_Address, About_Field::Donation_Address}) {
    EXPECT_FALSE(about_view[f].empty()) << static_cast<int>(f);
  }
  // The tools line names what this build of the window is made with.
  EXPECT_NE(about_view[About_Field::Developed_Using].find("Win32"), std::string::npos);
  EXPECT_EQ(about_view[About_Field::Developed_Using].find("Qt"), std::string::npos);
  year = 2031;
  about.FormActivate();
  EXPECT_TRUE(about_view[About_Field::Copyright].ends_with("2026")) << "not the year of opening";
  Fill();
  EXPECT_TRUE(about_view[About_Field::Copyright].ends_with("2031"));
}

TEST_F(About_Behaviour, EachActivationShowsAQuoteAndTheMemoryAndStartsEverythingClosingStops) {
  Fill();
  for (int activation = 0; activation < 2; ++activation) {
    memory = activation == 0 ? "57%" : "42%";
    about.FormActivate();
    const auto& quotes = ui::About_Quotes();
    EXPECT_NE(std::find(quotes.begin(), quotes.end(), about_view[About_Field::Quote]),
              quotes.end());
    EXPECT_EQ(about_view[About_Field::Free_Resources], memory);
    EXPECT_TRUE(about_view.running);
    // The address buttons give way to their labels, at the buttons' heights.
    if (activation == 0) {
      EXPECT_EQ(
          std::vector<std::string>(about_view.controls.begin() + 4, about_view.controls.end()),
          (std::vector<std::string>{"hide WEB_Button", "text WEB_Address_Label www.example.org",
                                    "move WEB_Address_Label 447,257",
                                    "hint WEB_Address_Label Click to visit Vantrel's WEB Page."}));
      EXPECT_EQ(about_view.controls[2], "move Email_Address_Label 446,228");
    }
    if (activation == 0) {
      about.OKButtonClick();
      EXPECT_EQ(about_view.closed, 1);
    } else {
      about.Closed();  // by the window manager
      EXPECT_EQ(about_view.closed, 1) << "already gone";
    }
    EXPECT_FALSE(about_view.running);
  }
  memory = "61%";
  about.Free_Resources_TimerTimer();
  EXPECT_EQ(about_view[About_Field::Free_Resources], "61%");
}

TEST_F(About_Behaviour, TheLinksHandTheirAddressesToTheUrlHandler) {
  about.Email_ButtonClick();
  about.WEB_ButtonClick();
  about.PayPal_Donations_LabelClick();
  EXPECT_TRUE(launcher.started.empty()) << "no addresses before the texts are filled";
  Fill();
  about.Email_ButtonClick();
  about.WEB_ButtonClick();
  about.PayPal_Donations_LabelClick();
  about.Shell_Open("");
  ASSERT_EQ(launcher.started.size(), 3u);
  EXPECT_EQ(launcher.started[0],
            "open [mailto:" + about.Email_Address() + "?subject=Shareware: keldra]");
  // The web link hands over the web button's caption as it is.
  EXPECT_EQ(launcher.started[1], "open [" + about.Web_Address() + "]");
  EXPECT_EQ(launcher.started[2], "open [" + about.Donation_Address() + "]");
}

TEST(About_Email_Target, NamesTheExecutableFileWithoutItsFolder) {
  EXPECT_EQ(ui::Email_Target("a@b.org", "keldra.exe"),
            "mailto:a@b.org?subject=Shareware: keldra.exe");
  EXPECT_EQ(ui::Email_Target("a@b.org", "keldra"), "mailto:a@b.org?subject=Shareware: keldra");
}

}  // namespace
}  // namespace keldra::test
