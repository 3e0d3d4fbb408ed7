// The main window's settings as a user meets them: closing saves (or refuses),
// Restore Factory Defaults, and files dropped on the window.
#include <sys/stat.h>

#include <QCloseEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

#include "tests/fakes/file_holder.h"
#include "tests/ui/form_fixture.h"

namespace keldra::test {
namespace {

class Form_Settings_Test : public ::testing::Test, public Form_Fixture {
 protected:
  void Show(const std::string& settings) {
    Write_Settings(settings);
    form->show();
    QApplication::processEvents();
  }
  bool Close() {
    QCloseEvent event;
    QApplication::sendEvent(form, &event);
    return event.isAccepted();
  }
  // Returns the action the window took the drop with.
  Qt::DropAction Drop(const std::vector<std::string>& paths,
                      Qt::DropActions offered = Qt::CopyAction,
                      Qt::DropAction proposed = Qt::CopyAction) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& p : paths) {
      urls.push_back(p.rfind("http", 0) == 0 ? QUrl(QString::fromStdString(p))
                                             : QUrl::fromLocalFile(QString::fromStdString(p)));
    }
    data.setUrls(urls);
    // As a real drag does: the window is entered first, which makes it the target.
    QDragEnterEvent enter(QPoint(20, 20), offered, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setDropAction(proposed);
    QApplication::sendEvent(form, &enter);
    QDropEvent drop(QPointF(20, 20), offered, &data, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(proposed);
    QApplication::sendEvent(form, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
  }
};

TEST_F(Form_Settings_Test, ClosingSavesTheSettingsInEffect) {
  Show("[keldra]\ndrive_being_monitored_letters=cd\n");
  form->Set_Timer_Interval(15000);
  EXPECT_TRUE(Close());
  const std::string text = Read_File(folder / "keldra.ini");
  EXPECT_NE(text.find("timer_interval=15000\n"), std::string::npos) << text;
  EXPECT_NE(text.find("drive_being_monitored_letters=CD\n"), std::string::npos) << text;
}

TEST_F(Form_Settings_Test, AReadOnlyFolderKeepsTheWindowOpenAndEveryCloseSaysSo) {
  Show("[keldra]\n");
  ASSERT_EQ(chmod(folder.Path().c_str(), 0555), 0);
  const std::string expected = "Keldra v3.6f: Unable to write to " + (folder / "keldra.ini");
  EXPECT_FALSE(Close());
  EXPECT_FALSE(Close());
  ASSERT_EQ(boxes.errors.size(), 2u);
  EXPECT_EQ(boxes.errors[0], expected);
  EXPECT_EQ(boxes.errors[1], expected);
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->FormCloseQuery()) << "as the session manager asks at log-out";
  ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
  EXPECT_TRUE(Close());
}

TEST_F(Form_Settings_Test, RestoreFactoryDefaultsDeletesTheFileAndAppliesDefaultsAtOnce) {
  Show(
      "[keldra]\nwindow_top_posn=300\nwindow_left_posn=200\nwindow_ClientWidth=300\n"
      "timer_interval=5000\ndrive_being_monitored_letters=DE\nAlways_on_Top_Option=1\n");
  form->showMaximized();
  QApplication::processEvents();
  stacking.show_commands.clear();
  boxes.answers = {platform::Button_Yes};
  form->Restore_Factory_Defaults_Option->trigger();
  EXPECT_FALSE(Exists(folder / "keldra.ini"));
  EXPECT_EQ(stacking.show_commands, (std::vector<int>{9, 10})) << "restored, then the launch state";
  EXPECT_EQ(form->Monitored_Drive_Letters(), "C");
  EXPECT_EQ(form->Timer1->Interval(), 30000u);
  EXPECT_EQ(form->Window_Top(), 50);
  EXPECT_EQ(form->Window_Left(), 50);
  EXPECT_FALSE(form->Always_On_Top_Mark());
  EXPECT_FALSE(stacking.keep_above.back());
  EXPECT_EQ(form->Client_Height(), 29);
  EXPECT_TRUE(Close());
  EXPECT_NE(Read_File(folder / "keldra.ini").find("drive_being_monitored_letters=C\r\n"),
            std::string::npos);
}

TEST_F(Form_Settings_Test, RestoreFactoryDefaultsWhileAnotherProcessHoldsTheFileKeepsTheSettings) {
  Show("[keldra]\ntimer_interval=5000\ndrive_being_monitored_letters=DE\n");
  File_Holder holder(folder / "keldra.ini");
  ASSERT_TRUE(holder.Holding());
  boxes.answers = {platform::Button_Yes};
  form->Restore_Factory_Defaults_Option->trigger();
  EXPECT_TRUE(Exists(folder / "keldra.ini"));
  EXPECT_EQ(form->Monitored_Drive_Letters(), "DE");
  EXPECT_EQ(form->Timer1->Interval(), 5000u);
}

TEST_F(Form_Settings_Test, RestoreFactoryDefaultsAnsweredNoChangesNothing) {
  Show("[keldra]\ntimer_interval=5000\n");
  boxes.answers = {platform::Button_No};
  form->Restore_Factory_Defaults_Option->trigger();
  EXPECT_TRUE(Exists(folder / "keldra.ini"));
  EXPECT_EQ(form->Timer1->Interval(), 5000u);
}

TEST_F(Form_Settings_Test, DroppedFilesAddTheirDrivesSortedWithOnePass) {
  table.forms = {{"/mnt/e", 'E'}, {"/mnt/d", 'D'}, {"/", 'C'}};
  Show("[keldra]\ndrive_being_monitored_letters=E\ntimer_interval=45500\n");
  std::size_t before = Passes();
  Drop({"/mnt/e/file.txt"});  // a monitored drive: nothing changes, one pass
  EXPECT_EQ(form->Monitored_Drive_Letters(), "E");
  EXPECT_EQ(Passes(), before + 4);
  EXPECT_EQ(form->Timer1->Interval(), 45500u) << "a drop that adds nothing leaves the interval";

  before = Passes();
  Drop({"/mnt/d/a", "/home/me/b.txt", "http://example.org/x", "/mnt/d/folder"});
  EXPECT_EQ(form->Monitored_Drive_Letters(), "CDE");
  EXPECT_EQ(Passes(), before + 3 * 4) << "one pass at the end";
  EXPECT_EQ(form->Timer1->Interval(), 45000u) << "whole seconds after an added drive";
  EXPECT_EQ(form->findChild<QLabel*>("Drive_Label_1")->text(), "C:");
}

TEST_F(Form_Settings_Test, DropsAreTakenAsCopiesWhateverTheSourceProposes) {
  table.forms = {{"/mnt/d", 'D'}, {"/mnt/e", 'E'}};
  Show("[keldra]\ndrive_being_monitored_letters=C\n");
  // A move would have the drag source delete the files it dropped on Keldra.
  EXPECT_EQ(Drop({"/mnt/d/a"}, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::MoveAction),
            Qt::CopyAction);
  EXPECT_EQ(form->Monitored_Drive_Letters(), "CD");
  // A source that cannot copy is turned away, and nothing is added.
  EXPECT_EQ(Drop({"/mnt/e/a"}, Qt::MoveAction, Qt::MoveAction), Qt::IgnoreAction);
  EXPECT_EQ(form->Monitored_Drive_Letters(), "CD");
}

TEST_F(Form_Settings_Test, AnUnletteredPathIsSkipped) {
  table.forms = {{"/mnt/d", 'D'}};
  Show("[keldra]\ndrive_being_monitored_letters=D\n");
  Drop({"/elsewhere/file"});
  EXPECT_EQ(form->Monitored_Drive_Letters(), "D");
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(Form_Settings_Test, TheRegistryNotTheSettingsFileDecidesTheAutoRunMark) {
  Show("[keldra]\nAuto_Run_at_Windows_Startup_Option=1\n");
  EXPECT_FALSE(form->Auto_Run_Mark()) << "no value: off, whatever the file says";
  EXPECT_TRUE(boxes.shown.empty());
  form->Auto_Run_at_Windows_Startup_Option->Action()->trigger();
  EXPECT_TRUE(form->Auto_Run_Mark());
  EXPECT_TRUE(Exists(autostart + "/keldra.desktop"));
  form->Auto_Run_at_Windows_Startup_Option->Action()->trigger();
  EXPECT_FALSE(form->Auto_Run_Mark());
  EXPECT_FALSE(Exists(autostart + "/keldra.desktop"));
}

TEST_F(Form_Settings_Test, AValueOfAnotherTypeEndsTheShowSequenceAndKeepsTheFilesMark) {
  Write_File(autostart + "/keldra.desktop", "binary junk\n");
  Show("[keldra]\nAuto_Run_at_Windows_Startup_Option=1\n");
  EXPECT_TRUE(form->Auto_Run_Mark());
  ASSERT_EQ(boxes.errors.size(), 1u);
  EXPECT_EQ(boxes.errors[0], "Keldra v3.6f: Invalid data type for 'keldra'");
  EXPECT_TRUE(form->isVisible()) << "the window shows all the same";
}

}  // namespace
}  // namespace keldra::test
