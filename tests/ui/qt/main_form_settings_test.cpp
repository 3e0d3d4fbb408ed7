// The main window's settings as the window system meets them: a refused close,
// Restore Factory Defaults from a maximised window, and drops taken as copies.
#include <sys/stat.h>

#include <QCloseEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include "tests/fakes/file_holder.h"
#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/drawn_area.h"

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

TEST_F(Form_Settings_Test, AReadOnlyFolderKeepsTheWindowOpen) {
  Show("[keldra]\n");
  ASSERT_EQ(chmod(folder.Path().c_str(), 0555), 0);
  const std::string expected = "Keldra v3.6f: Unable to write to " + (folder / "keldra.ini");
  EXPECT_FALSE(Close());
  ASSERT_EQ(boxes.errors.size(), 1u);
  EXPECT_EQ(boxes.errors[0], expected);
  EXPECT_TRUE(form->isVisible());
  ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
  EXPECT_TRUE(Close());
}

TEST_F(Form_Settings_Test, RestoreFactoryDefaultsFromMaximisedPlacesANormalWindow) {
  Show(
      "[keldra]\nwindow_top_posn=300\nwindow_left_posn=200\nwindow_ClientWidth=300\n"
      "timer_interval=5000\ndrive_being_monitored_letters=DE\nAlways_on_Top_Option=1\n");
  form->showMaximized();
  QApplication::processEvents();
  stacking.show_commands.clear();
  boxes.answers = {platform::Button_Yes};
  form->Restore_Factory_Defaults_Option->trigger();
  EXPECT_FALSE(Exists(folder / "keldra.ini"));
  // Placed once the window is out of the maximised state, the window going on
  // meanwhile; the wait is the window manager's, bounded by the form at 3 s.
  EXPECT_EQ(stacking.show_commands, (std::vector<int>{9})) << "restored, not yet placed";
  EXPECT_TRUE(QTest::qWaitFor([&] { return stacking.show_commands.size() == 2; }, 30000));
  EXPECT_EQ(stacking.show_commands, (std::vector<int>{9, 10})) << "restored, then the launch state";
  EXPECT_EQ(form->Timer1->Qt_Timer().interval(), 30000);
  EXPECT_EQ(form->Frame_Left(), 50);
  EXPECT_EQ(form->Frame_Top(), 50);
  EXPECT_FALSE(form->Always_on_Top_Option->Action()->isChecked());
  EXPECT_FALSE(stacking.keep_above.back());
  EXPECT_EQ(form->Client_Height(), 29);
  EXPECT_EQ(form->centralWidget()->height(), 29);
}

TEST_F(Form_Settings_Test, DropsAreTakenAsCopiesWhateverTheSourceProposes) {
  table.forms = {{"/mnt/d", 'D'}, {"/mnt/e", 'E'}};
  Show("[keldra]\ndrive_being_monitored_letters=C\n");
  // A move would have the drag source delete the files it dropped on Keldra.
  EXPECT_EQ(Drop({"/mnt/d/a", "http://example.org/x"},
                 Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::MoveAction),
            Qt::CopyAction);
  EXPECT_EQ(behaviour().Monitored_Drive_Letters(), "CD");
  EXPECT_EQ(form->Client_Area->Named("Drive_Label_2")->text, "D:");
  // A source that cannot copy is turned away, and nothing is added.
  EXPECT_EQ(Drop({"/mnt/e/a"}, Qt::MoveAction, Qt::MoveAction), Qt::IgnoreAction);
  EXPECT_EQ(behaviour().Monitored_Drive_Letters(), "CD");
}

TEST_F(Form_Settings_Test, AValueOfAnotherTypeEndsTheShowSequenceAndKeepsTheFilesMark) {
  Write_File(autostart + "/keldra.desktop", "binary junk\n");
  Show("[keldra]\nAuto_Run_at_Windows_Startup_Option=1\n");
  EXPECT_TRUE(form->Auto_Run_at_Windows_Startup_Option->Action()->isChecked());
  ASSERT_EQ(boxes.errors.size(), 1u);
  EXPECT_EQ(boxes.errors[0], "Keldra v3.6f: Invalid data type for 'keldra'");
  EXPECT_TRUE(form->isVisible()) << "the window shows all the same";
}

}  // namespace
}  // namespace keldra::test
