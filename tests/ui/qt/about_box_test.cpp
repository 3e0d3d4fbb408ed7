#include "ui/qt/about_box.h"

#include <QCheckBox>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include <gtest/gtest.h>

#include "tests/ui/qt/form_fixture.h"
#include "ui/about_texts.h"
#include "ui/qt/animated_picture.h"
#include "ui/qt/options_setup.h"

namespace keldra::test {
namespace {

class About_Test : public ::testing::Test, public Form_Fixture {
 protected:
  void Open(const std::function<void()>& inside) {
    QTimer::singleShot(0, [&] { inside(); });
    form->AboutOption->trigger();
  }
};

TEST_F(About_Test, TitlesBeforeAndAfterTheShowSequence) {
  EXPECT_EQ(windows->title.text, "Set by Application.");
  EXPECT_EQ(about->windowTitle(), "??");
  EXPECT_EQ(about->size(), QSize(622, 411));
  form->show();
  EXPECT_EQ(windows->title.text, "Keldra v3.6f");
  EXPECT_EQ(form->windowTitle(), "Keldra v3.6f");
  EXPECT_EQ(about->windowTitle(), "About Keldra v3.6f ...");
  EXPECT_EQ(about->Control<QLabel>(about_names::Product_Name_Label)->text(), "Keldra v3.6f");
  EXPECT_TRUE(about->Control<QLabel>(about_names::Copyright_Label)->text().endsWith("2026"));
  EXPECT_TRUE(
      about->Control<QLabel>(about_names::Developed_Using_Label)->text().contains("Qt 6 Widgets"));
  EXPECT_EQ(about->Control<QPushButton>(about_names::Email_Button)->text().toStdString(),
            windows->About_Box.Email_Address());
  EXPECT_EQ(about->Control<QLabel>(about_names::PayPal_WEB_Address_Label)->text().toStdString(),
            windows->About_Box.Donation_Address());
  EXPECT_FALSE(about->isVisible());
}

// The program builds its dialogs the first time each is shown, after the main
// window is up: built then, each shows what the show sequence told it before.
class Dialogs_Built_When_Shown : public ::testing::Test, public Form_Fixture {
 protected:
  Dialogs_Built_When_Shown() : Form_Fixture(false) {}
};

TEST_F(Dialogs_Built_When_Shown, ShowWhatTheShowSequenceToldThemBefore) {
  Write_Settings("[keldra]\r\nShow_Total_of_All_Drives_CheckBox=1\r\n");
  form->show();
  ASSERT_FALSE(windows->AboutBox);
  ASSERT_FALSE(windows->Options_Setup);
  QString title;
  QTimer::singleShot(0, [&] {
    title = windows->AboutBox->Control<QLabel>(about_names::Product_Name_Label)->text();
    windows->AboutBox->Control<QPushButton>(about_names::OKButton)->click();
  });
  form->AboutOption->trigger();
  EXPECT_EQ(title, "Keldra v3.6f");
  EXPECT_EQ(windows->AboutBox->windowTitle(), "About Keldra v3.6f ...");
  EXPECT_TRUE(windows->AboutBox->Control<QPushButton>(about_names::Email_Button)
                  ->isHidden());  // shown as a label
  const ui::TOptions_Setup& options = windows->Options_Setup_Window();
  EXPECT_TRUE(
      options.Control<QCheckBox>(options_names::Show_Total_of_All_Drives_CheckBox)->isChecked());
  EXPECT_EQ(options.Control<QSpinBox>(options_names::Max_Drives_SpinEdit)->value(),
            windows->Options.Drive_Limit());
}

TEST_F(About_Test, TheLinkLabelsAndTheHelpMenuReachTheDesktop) {
  form->show();
  Open([&] {
    QTest::mouseClick(about->Control<QLabel>(about_names::Email_Address_Label), Qt::LeftButton);
    QTest::mouseClick(about->Control<QLabel>(about_names::WEB_Address_Label), Qt::LeftButton);
    QTest::mouseClick(about->Control<QLabel>(about_names::PayPal_Donations_Label), Qt::LeftButton);
    QTest::keyClick(about, Qt::Key_Escape);
  });
  ASSERT_EQ(launcher.started.size(), 3u);
  EXPECT_EQ(launcher.started[0].rfind("open [mailto:", 0), 0u) << launcher.started[0];
  // The web button's caption as it is; the Linux launcher adds the scheme.
  EXPECT_EQ(
      launcher.started[1],
      "open [" + about->Control<QPushButton>(about_names::WEB_Button)->text().toStdString() + "]");
  form->View_Readme_file_Option->trigger();
  ASSERT_EQ(launcher.started.size(), 4u);
  EXPECT_EQ(launcher.started[3], "viewer [" + (folder / "keldra.txt") + "]");
}

TEST_F(About_Test, OpeningShowsAQuoteAndTheMemoryAtOnceAndStartsEverything) {
  form->show();
  bool checked = false;
  Open([&] {
    const auto& quotes = ui::About_Quotes();
    EXPECT_NE(
        std::find(
            quotes.begin(), quotes.end(),
            about->Control<QLabel>(about_names::Quote_From_Vantrel_Label)->text().toStdString()),
        quotes.end());
    EXPECT_EQ(about->Control<QLabel>(about_names::Free_Resources_Label)->text(), "57%");
    EXPECT_TRUE(about->Control<QTimer>(about_names::Quote_Change_Timer)->isActive());
    EXPECT_EQ(about->Control<QTimer>(about_names::Quote_Change_Timer)->interval(), 10000);
    EXPECT_TRUE(about->Control<QTimer>(about_names::Free_Resources_Timer)->isActive());
    EXPECT_EQ(about->Control<QTimer>(about_names::Free_Resources_Timer)->interval(), 500);
    EXPECT_TRUE(about->Control<Animated_Picture>(about_names::Vantrel_Logo_GIFImage)->Animate());
    EXPECT_FALSE(about->Control<QPushButton>(about_names::Email_Button)->isVisible());
    EXPECT_FALSE(about->Control<QPushButton>(about_names::WEB_Button)->isVisible());
    EXPECT_EQ(about->Control<QLabel>(about_names::Email_Address_Label)->text(),
              about->Control<QPushButton>(about_names::Email_Button)->text());
    EXPECT_EQ(about->Control<QLabel>(about_names::Email_Address_Label)->y(), 228);
    EXPECT_EQ(about->Control<QLabel>(about_names::WEB_Address_Label)->y(), 257);
    EXPECT_EQ(about->Control<QLabel>(about_names::Email_Address_Label)->toolTip(),
              "Click to send an E-Mail to Vantrel.");
    EXPECT_EQ(about->Control<QLabel>(about_names::WEB_Address_Label)->toolTip(),
              "Click to visit Vantrel's WEB Page.");
    EXPECT_EQ(about->Control<QLabel>(about_names::Badge_Logo)->cursor().shape(),
              Qt::PointingHandCursor);
    memory = "61%";
    // The memory step runs every 0.5 s; a busy machine may take longer to get there.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return about->Control<QLabel>(about_names::Free_Resources_Label)->text() == "61%"; },
        30000))
        << "the memory step did not run again";
    checked = true;
    QTest::keyClick(about, Qt::Key_Escape);
  });
  EXPECT_TRUE(checked);
  EXPECT_FALSE(about->isVisible());
  EXPECT_FALSE(about->Control<QTimer>(about_names::Quote_Change_Timer)->isActive());
  EXPECT_FALSE(about->Control<QTimer>(about_names::Free_Resources_Timer)->isActive());
  EXPECT_FALSE(about->Control<Animated_Picture>(about_names::Vantrel_Logo_GIFImage)->Animate());
}

TEST_F(About_Test, TheLogoIsAnEightFrameGifOf135By125LoopingAtMost999Times) {
  form->show();
  Open([&] {
    about->Control<QPushButton>(about_names::OKButton)->click();
  });  // the logo is loaded with the box's first showing
  QMovie& movie = about->Control<Animated_Picture>(about_names::Vantrel_Logo_GIFImage)->Movie();
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
  EXPECT_EQ(about->Control<Animated_Picture>(about_names::Vantrel_Logo_GIFImage)->size(),
            QSize(173, 165));
}

}  // namespace
}  // namespace keldra::test
