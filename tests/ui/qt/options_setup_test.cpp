#include "ui/qt/options_setup.h"

#include <unistd.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/drawn_area.h"
#include "ui/qt/drive_chooser.h"
#include "ui/qt/spin_edit.h"

namespace keldra::test {
namespace {

using platform::Drive_Entry;
using platform::Drive_Type;

class Options_Test : public ::testing::Test, public Form_Fixture {
 protected:
  Options_Test() {
    char buf[4096];
    cwd = getcwd(buf, sizeof buf);
    table.drives = {{'A', "/media/a", Drive_Type::Removable, "STICK", ""},
                    {'C', "/", Drive_Type::Fixed, "System", ""},
                    {'D', "/data", Drive_Type::Fixed, "/data", ""},
                    {'F', "/mnt/f", Drive_Type::Remote, "/mnt/f", "//Server/Share"},
                    {'G', "/gone", Drive_Type::Missing, "/gone", ""},
                    {'R', "/cd", Drive_Type::Cdrom, "DISC", ""},
                    {'T', "/tmp", Drive_Type::Ramdisk, "/tmp", ""}};
    table.forms = {{cwd, 'D'}};
  }
  // Runs the "&Settings" sequence; `inside` acts on the open dialog, then it closes.
  void Settings(const std::function<void()>& inside, bool by_close_box = false) {
    QTimer::singleShot(0, [&] {
      inside();
      if (by_close_box) {
        options->close();
      } else {
        QTest::mouseClick(options->Control<QPushButton>(options_names::OKButton), Qt::LeftButton);
      }
    });
    form->SettingsOption->trigger();
  }
  void Show(const std::string& settings) {
    Write_Settings(settings);
    form->show();
    QApplication::processEvents();
  }
  std::vector<std::string> List() const {
    std::vector<std::string> items;
    for (int i = 0; i < options->Control<QListWidget>(options_names::ListBox1)->count(); ++i) {
      items.push_back(
          options->Control<QListWidget>(options_names::ListBox1)->item(i)->text().toStdString());
    }
    return items;
  }
  std::string cwd;
};

TEST_F(Options_Test, TheDialogsDesign) {
  EXPECT_EQ(options->windowTitle(), "Keldra Options Setup :");
  EXPECT_EQ(options->size(), QSize(463, 435));
  EXPECT_EQ(options->Control<Drive_Chooser>(options_names::DriveComboBox1)->geometry(),
            QRect(24, 24, 145, 22));
  EXPECT_EQ(options->Control<QPushButton>(options_names::AddButton)->text(), "Add Drive");
  EXPECT_EQ(options->Control<QPushButton>(options_names::AddButton)->toolTip(),
            "Add the currently selected drive to the list being monitored.");
  EXPECT_EQ(options->Control<QListWidget>(options_names::ListBox1)->geometry(),
            QRect(264, 40, 89, 129));
  EXPECT_EQ(options->Control<Spin_Edit>(options_names::SpinEdit1)->geometry(),
            QRect(264, 240, 57, 26));
  EXPECT_EQ(options->Control<QPushButton>(options_names::OKButton)->geometry(),
            QRect(186, 396, 89, 33));
  EXPECT_FALSE(options->Control<QPushButton>(options_names::OKButton)->isDefault());
  EXPECT_FALSE(options->Control<QPushButton>(options_names::OKButton)->autoDefault());
  EXPECT_EQ(options->Control<QSpinBox>(options_names::Max_Drives_SpinEdit)->value(), 20);
  EXPECT_FALSE(options->Control<QSpinBox>(options_names::Max_Drives_SpinEdit)->isEnabled());
  EXPECT_EQ(options->Control<QCheckBox>(options_names::Show_Total_of_All_Drives_CheckBox)->text(),
            "Show Total of All Drives");
  EXPECT_EQ(options->Control<QCheckBox>(options_names::Always_On_Top_CheckBox)->text(),
            "Keldra Window Always On Top");
  EXPECT_EQ(options->Control<Spin_Edit>(options_names::SpinEdit1)->Up_Button()->autoRepeatDelay(),
            400);
  EXPECT_EQ(
      options->Control<Spin_Edit>(options_names::SpinEdit1)->Up_Button()->autoRepeatInterval(),
      100);
  windows->Options.Set_Drive_Limit();
  EXPECT_EQ(options->Control<QSpinBox>(options_names::Max_Drives_SpinEdit)->value(), 26);
}

TEST_F(Options_Test, TheChooserListsPresentDrivesWithTheReportsTextsReadOnce) {
  Show("[keldra]\n");
  Settings([&] {
    QComboBox* chooser = options->Control<Drive_Chooser>(options_names::DriveComboBox1);
    std::vector<std::string> texts;
    for (int i = 0; i < chooser->count(); ++i) texts.push_back(chooser->itemText(i).toStdString());
    EXPECT_EQ(texts, (std::vector<std::string>{"a:", "c: [system]", "d: [/data]",
                                               "f: //server/share", "r: [disc]", "t: [/tmp]"}));
    for (const Drive_Entry& d : table.drives) {
      const std::string text = monitor::Chooser_Entry_Text(d);
      if (!text.empty()) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end());
      }
    }
    EXPECT_EQ(options->Control<Drive_Chooser>(options_names::DriveComboBox1)->Current_Drive(), 'd')
        << "the current directory's drive";
    EXPECT_GE(options->Control<Drive_Chooser>(options_names::DriveComboBox1)->Item_Height(), 16);
    // The closed box shows the current drive's picture beside its text.
    const int current = chooser->currentIndex();
    ASSERT_GE(current, 0);
    EXPECT_FALSE(chooser->itemIcon(current).isNull());
    const QImage with_picture = chooser->grab().toImage();
    const QIcon picture = chooser->itemIcon(current);
    chooser->setItemIcon(current, QIcon());
    EXPECT_NE(chooser->grab().toImage(), with_picture) << "the picture was not painted";
    chooser->setItemIcon(current, picture);
  });
  table.drives.push_back({'Z', "/z", Drive_Type::Fixed, "Z", ""});
  Settings([&] {
    EXPECT_EQ(options->Control<Drive_Chooser>(options_names::DriveComboBox1)->count(), 6)
        << "read once per run";
  });
}

TEST_F(Options_Test, WithNoCurrentDriveAddDriveDoesNothing) {
  table.forms.clear();  // the current directory lies on no lettered drive
  Show("[keldra]\ndrive_being_monitored_letters=C\n");
  Settings([&] {
    EXPECT_FALSE(options->Control<Drive_Chooser>(options_names::DriveComboBox1)
                     ->Current_Drive()
                     .has_value());
    options->Control<QPushButton>(options_names::AddButton)->click();
    EXPECT_EQ(List(), (std::vector<std::string>{"C"}));
    EXPECT_TRUE(boxes.shown.empty());
  });
}

TEST_F(Options_Test, RemovingAsksEveryTimeAndCancelKeepsTheEntry) {
  Show("[keldra]\ndrive_being_monitored_letters=DC\n");
  Settings([&] {
    EXPECT_EQ(List(), (std::vector<std::string>{"C", "D"}));
    boxes.answers = {platform::Button_Cancel};
    QListWidget* list = options->Control<QListWidget>(options_names::ListBox1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Remove this Drive ?");
    EXPECT_EQ(List().size(), 2u);
    // A move from the keyboard asks too.
    boxes.answers = {platform::Button_Yes};
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(List(), (std::vector<std::string>{"D"}));
    boxes.answers = {platform::Button_Yes};
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(List().empty());
  });
  EXPECT_EQ(behaviour().Monitored_Drive_Letters(), "");
  EXPECT_EQ(form->Client_Height(), 36);
}

TEST_F(Options_Test, TheIntervalFieldBoundsWhatItIsGivenAndTheCloseBoxAppliesAsOkDoes) {
  const struct {
    const char* settings;
    int shown_seconds;
    std::uint32_t interval;
    std::string letters;
  } cases[] = {
      {"timer_interval=45500\ndrive_being_monitored_letters=DC\n", 45, 45000, "CD"},
      {"timer_interval=500000\n", 200, 200000, "C"},
      {"timer_interval=0\n", 1, 1000, "C"},
  };
  for (const auto& c : cases) {
    Form_Fixture f;
    f.Write_Settings(std::string("[keldra]\n") + c.settings);
    f.form->show();
    QApplication::processEvents();
    int shown = -1;
    QTimer::singleShot(0, [&] {
      shown = f.options->Control<Spin_Edit>(options_names::SpinEdit1)->Value();
      f.options->close();  // the close box applies the changes as OK does
    });
    f.form->SettingsOption->trigger();
    EXPECT_EQ(shown, c.shown_seconds) << c.settings;
    EXPECT_EQ(f.form->Timer1->Qt_Timer().interval(), static_cast<int>(c.interval)) << c.settings;
    EXPECT_EQ(f.behaviour().Monitored_Drive_Letters(), c.letters) << c.settings;
  }
}

TEST_F(Options_Test, TypingZeroThenOkGivesOneSecond) {
  Show("[keldra]\n");
  Settings([&] {
    QLineEdit* edit = options->Control<Spin_Edit>(options_names::SpinEdit1)->Editor();
    options->activateWindow();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "0");
    EXPECT_EQ(edit->text(), "0");
    // The click on OK takes the focus, which bounds the field before it closes.
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(edit, &out);
    EXPECT_EQ(edit->text(), "1");
  });
  EXPECT_EQ(form->Timer1->Qt_Timer().interval(), 1000);
}

TEST_F(Options_Test, TheIntervalFieldStepsAndFiltersKeys) {
  ui::Spin_Edit& s = *options->Control<Spin_Edit>(options_names::SpinEdit1);
  const struct {
    int start, direction, result;
  } steps[] = {{5, -1, 1}, {1, +1, 6}, {30, +1, 35}, {198, +1, 200}, {200, +1, 200}, {3, -1, 1}};
  for (const auto& c : steps) {
    s.Set_Value(c.start);
    s.Step(c.direction);
    EXPECT_EQ(s.Value(), c.result) << c.start << " " << c.direction;
  }
  s.Set_Value(30);
  QTest::keyClick(s.Editor(), Qt::Key_Up);
  EXPECT_EQ(s.Value(), 35);
  QTest::keyClick(s.Editor(), Qt::Key_Down);
  QTest::keyClick(s.Editor(), Qt::Key_Down);
  EXPECT_EQ(s.Value(), 25);
  s.Editor()->clear();
  QTest::keyClicks(s.Editor(), "1a2 x+-.");
  QTest::keyClick(s.Editor(), Qt::Key_Return);
  EXPECT_EQ(s.Editor()->text(), "12+-.") << "letters, blanks and Enter are refused";
  EXPECT_EQ(s.Value(), 1) << "not a whole number reads as 1";
  s.Editor()->setText("500");
  EXPECT_EQ(s.Value(), 200) << "reading bounds as well";
  s.Up_Button()->click();
  EXPECT_EQ(s.Editor()->text(), "200");
}

TEST_F(Options_Test, ATickWhileOpenReadsTheLiveTotalBoxOnly) {
  Show("[keldra]\ndrive_being_monitored_letters=C\n");
  Settings([&] {
    options->Control<QCheckBox>(options_names::Show_Total_of_All_Drives_CheckBox)->click();
    emit form->Timer1->Tick();
    EXPECT_TRUE(form->Client_Area->Named("Drive_Label_2")->visible) << "total shown at once";
    options->Control<QPushButton>(options_names::AddButton)->click();  // D
    emit form->Timer1->Tick();
    EXPECT_EQ(behaviour().Monitored_Drive_Letters(), "C")
        << "the list reaches the window on closing";
  });
  EXPECT_EQ(behaviour().Monitored_Drive_Letters(), "CD");
  EXPECT_EQ(form->Client_Height(), 69);
}

TEST_F(Options_Test, EscapeDoesNotCloseTheDialog) {
  options->show();
  QTest::keyClick(options, Qt::Key_Escape);
  EXPECT_TRUE(options->isVisible());
  options->hide();
}

}  // namespace
}  // namespace keldra::test
