#include "ui/about_box.h"

#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <set>

#include <gtest/gtest.h>

#include "extras/about_texts.h"
#include "tests/ui/form_fixture.h"
#include "ui/animated_picture.h"

namespace keldra::test {
namespace {

class About_Test : public ::testing::Test, public Form_Fixture {
 protected:
  void Open(const std::function<void()>& inside) {
    QTimer::singleShot(0, [&] { inside(); });
    form->AboutOption->trigger();
  }
};

const std::set<std::string> kQuotes = {
    "I hope this program makes your work a little simpler, your play a little better, or your "
    "day a bit easier.",
    "If you have any comments, suggestions, improvements, or feedback, please email me.",
    "Useful software needn't take up Gigabytes of disk space, and my catalog of software proves "
    "this.",
    "Please support my efforts with a PayPal donation."};

TEST_F(About_Test, TitlesBeforeAndAfterTheShowSequence) {
  EXPECT_EQ(windows->title.text, "Set by Application.");
  EXPECT_EQ(about->windowTitle(), "??");
  EXPECT_EQ(about->size(), QSize(622, 411));
  form->show();
  EXPECT_EQ(windows->title.text, "Keldra v3.6f");
  EXPECT_EQ(form->windowTitle(), "Keldra v3.6f");
  EXPECT_EQ(about->windowTitle(), "About Keldra v3.6f ...");
  EXPECT_EQ(about->Product_Name_Label->text(), "Keldra v3.6f");
  EXPECT_TRUE(about->Author_and_Date_Label->text().endsWith(", November 2002"));
  EXPECT_TRUE(about->Copyright_Label->text().endsWith("2026"));
  EXPECT_FALSE(about->Developed_Using_Label->text().isEmpty());
  EXPECT_FALSE(about->Comments_Label->text().isEmpty());
  EXPECT_FALSE(about->isVisible());
}

TEST_F(About_Test, TheCopyrightYearIsTheOneOfTheLastFill) {
  form->show();
  year = 2031;
  Open([&] { about->OKButtonClick(); });
  EXPECT_TRUE(about->Copyright_Label->text().endsWith("2026")) << "not the year of opening";
  boxes.answers = {platform::Button_Yes};
  form->Restore_Factory_Defaults_Option->trigger();
  EXPECT_TRUE(about->Copyright_Label->text().endsWith("2031"));
}

TEST_F(About_Test, OpeningShowsAQuoteAndTheMemoryAtOnceAndStartsEverything) {
  form->show();
  bool checked = false;
  Open([&] {
    EXPECT_EQ(kQuotes.count(about->Quote_From_Vantrel_Label->text().toStdString()), 1u);
    EXPECT_EQ(about->Free_Resources_Label->text(), "57%");
    EXPECT_TRUE(about->Quote_Change_Timer->isActive());
    EXPECT_EQ(about->Quote_Change_Timer->interval(), 10000);
    EXPECT_TRUE(about->Free_Resources_Timer->isActive());
    EXPECT_EQ(about->Free_Resources_Timer->interval(), 500);
    EXPECT_TRUE(about->Vantrel_Logo_GIFImage->Animate());
    EXPECT_FALSE(about->Email_Button->isVisible());
    EXPECT_FALSE(about->WEB_Button->isVisible());
    EXPECT_EQ(about->Email_Address_Label->text(), about->Email_Button->text());
    EXPECT_EQ(about->Email_Address_Label->y(), 228);
    EXPECT_EQ(about->WEB_Address_Label->y(), 257);
    EXPECT_EQ(about->Email_Address_Label->toolTip(), "Click to send an E-Mail to Vantrel.");
    EXPECT_EQ(about->WEB_Address_Label->toolTip(), "Click to visit Vantrel's WEB Page.");
    EXPECT_EQ(about->Badge_Logo->cursor().shape(), Qt::PointingHandCursor);
    memory = "61%";
    // The memory step runs every 0.5 s; a busy machine may take longer to get there.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return about->Free_Resources_Label->text() == "61%"; }, 30000))
        << "the memory step did not run again";
    checked = true;
    QTest::keyClick(about, Qt::Key_Escape);
  });
  EXPECT_TRUE(checked);
  EXPECT_FALSE(about->isVisible());
  EXPECT_FALSE(about->Quote_Change_Timer->isActive());
  EXPECT_FALSE(about->Free_Resources_Timer->isActive());
  EXPECT_FALSE(about->Vantrel_Logo_GIFImage->Animate());
}

TEST_F(About_Test, EnterPressesOkAndASecondOpeningRepeatsTheActivation) {
  form->show();
  Open([&] { QTest::keyClick(about, Qt::Key_Return); });
  EXPECT_FALSE(about->isVisible());
  EXPECT_FALSE(about->Free_Resources_Timer->isActive());
  bool second = false;
  Open([&] {
    second = about->Free_Resources_Timer->isActive() && !about->Email_Button->isVisible() &&
             about->Vantrel_Logo_GIFImage->Animate();
    QTest::mouseClick(about->OKButton, Qt::LeftButton);
  });
  EXPECT_TRUE(second);
  EXPECT_FALSE(about->Vantrel_Logo_GIFImage->Animate());
}

TEST_F(About_Test, ClosedByTheWindowManagerItStopsLikeOkAndEachActivationRunsItsSteps) {
  form->show();
  bool checked = false;
  Open([&] {
    // Activated again (the user clicked back into it): the steps run at once,
    // starting the stopped timer and reading the memory again.
    about->Free_Resources_Timer->stop();
    memory = "42%";
    QApplication::setActiveWindow(form);
    QApplication::setActiveWindow(about);
    EXPECT_EQ(about->Free_Resources_Label->text(), "42%");
    EXPECT_TRUE(about->Free_Resources_Timer->isActive());
    checked = true;
    about->close();  // the window manager's close button, Alt+F4
  });
  EXPECT_TRUE(checked);
  EXPECT_FALSE(about->isVisible());
  EXPECT_FALSE(about->Quote_Change_Timer->isActive());
  EXPECT_FALSE(about->Free_Resources_Timer->isActive());
  EXPECT_FALSE(about->Vantrel_Logo_GIFImage->Animate());
}

TEST_F(About_Test, TheLinksHandTheirAddressesToTheUrlHandler) {
  form->show();
  about->Email_ButtonClick();
  about->WEB_ButtonClick();
  about->PayPal_Donations_LabelClick();
  ASSERT_EQ(launcher.started.size(), 3u);
  EXPECT_EQ(launcher.started[0], "open [mailto:" + about->Email_Button->text().toStdString() +
                                     "?subject=Shareware: keldra]");
  EXPECT_EQ(launcher.started[1], "open [https://" + about->WEB_Button->text().toStdString() + "]");
  EXPECT_EQ(launcher.started[2],
            "open [" + about->PayPal_WEB_Address_Label->text().toStdString() + "]");
  about->Shell_Open("");
  about->Email_Button->setText("");
  about->Email_ButtonClick();
  EXPECT_EQ(launcher.started.size(), 3u) << "an empty target does nothing";
}

TEST(About_Url_Handler_Target, ABareWwwAddressIsAWebPage) {
  EXPECT_EQ(extras::Url_Handler_Target("www.example.org"), "https://www.example.org");
  EXPECT_EQ(extras::Url_Handler_Target("mailto:a@b"), "mailto:a@b");
  EXPECT_EQ(extras::Url_Handler_Target("https://x/y"), "https://x/y");
  EXPECT_EQ(extras::Url_Handler_Target("www."), "www.");
}

TEST(About_Email_Target, NamesTheExecutableFileWithoutItsFolder) {
  EXPECT_EQ(extras::Email_Target("a@b.org", "keldra.exe"),
            "mailto:a@b.org?subject=Shareware: keldra.exe");
  EXPECT_EQ(extras::Email_Target("a@b.org", "keldra"), "mailto:a@b.org?subject=Shareware: keldra");
}

TEST_F(About_Test, TheLogoIsAnEightFrameGifOf135By125LoopingAtMost999Times) {
  form->show();
  Open([&] { about->OKButtonClick(); });  // the logo is loaded with the box's first showing
  QMovie& movie = about->Vantrel_Logo_GIFImage->Movie();
  ASSERT_TRUE(movie.isValid());
  EXPECT_EQ(movie.frameCount(), 8);
  // The file's own loop count, in its NETSCAPE2.0 block, and as the player reads it.
  QFile gif(movie.fileName());
  ASSERT_TRUE(gif.open(QIODevice::ReadOnly));
  const QByteArray bytes = gif.readAll();
  const qsizetype at = bytes.indexOf("NETSCAPE2.0");
  ASSERT_GE(at, 0);
  const auto lo = static_cast<unsigned char>(bytes[at + 13]);
  const auto hi = static_cast<unsigned char>(bytes[at + 14]);
  EXPECT_EQ(lo | (hi << 8), 999);
  EXPECT_EQ(movie.loopCount(), 999);
  // The frames' delays as the file states them: the player's own timing moves with
  // the machine's load, the file does not.
  QImageReader frames(movie.fileName());
  int count = 0;
  while (frames.canRead()) {
    EXPECT_EQ(frames.size(), QSize(135, 125)) << "frame " << count;
    ASSERT_FALSE(frames.read().isNull()) << "frame " << count;
    EXPECT_EQ(frames.nextImageDelay(), 100) << "frame " << count;
    ++count;
  }
  EXPECT_EQ(count, 8);
  EXPECT_EQ(about->Vantrel_Logo_GIFImage->size(), QSize(173, 165));
}

TEST_F(About_Test, TheHelpMenuOpensTheDocumentsBesideTheExecutable) {
  form->show();
  form->View_Readme_file_Option->trigger();
  ASSERT_EQ(launcher.started.size(), 1u);
  EXPECT_EQ(launcher.started[0], "/usr/bin/xdg-open [" + (folder / "keldra.txt") + "]");
  form->View_Shareware_Catalog_Option->trigger();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text.find("same directory as Keldra v3.6f.  "), std::string::npos);
}

}  // namespace
}  // namespace keldra::test
