#include "ui/qt/main_form.h"

#include <unistd.h>

#include <QHelpEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/drawn_area.h"
#include "ui/qt/percent_gauge.h"

namespace keldra::test {
namespace {

// The window's drawn labels and gauges, by their described names.
const ui::Drawn_Control& Drawn(ui::TMainForm1& f, const std::string& name) {
  const ui::Drawn_Control* c = f.Client_Area->Named(name);
  if (c == nullptr) throw std::runtime_error("no drawn control " + name);
  return *c;
}
const ui::Drawn_Control& Gauge(ui::TMainForm1& f, int n) {
  return Drawn(f, "Drive_Pct_Free_" + std::to_string(n));
}
QRect Rect(const ui::Drawn_Control& c) {
  return QRect(c.box.left, c.box.top, c.box.width, c.box.height);
}

class Main_Form_Test : public ::testing::Test, public Form_Fixture {
 protected:
  void Show(const std::string& settings) {
    Write_Settings(settings);
    form->show();
    QApplication::processEvents();
  }
  std::vector<int> Visible_Rows() {
    std::vector<int> rows;
    for (int n = 1; n <= 27; ++n) {
      const bool l = Drawn(*form, "Drive_Label_" + std::to_string(n)).visible;
      const bool g = Gauge(*form, n).visible;
      const bool t = Drawn(*form, "Drive_Free_" + std::to_string(n)).visible;
      EXPECT_EQ(l, g) << n;
      EXPECT_EQ(l, t) << n;
      if (l) rows.push_back(n);
    }
    return rows;
  }
};

TEST_F(Main_Form_Test, TheDesignBeforeTheFirstShow) {
  EXPECT_EQ(form->windowTitle(), "??");
  EXPECT_EQ(form->font().pixelSize(), 15);
  EXPECT_EQ(form->Client_Width(), 189);
  for (int n = 1; n <= 27; ++n) {
    const std::string s = std::to_string(n);
    const ui::Drawn_Control& label = Drawn(*form, "Drive_Label_" + s);
    const ui::Drawn_Control& free = Drawn(*form, "Drive_Free_" + s);
    const ui::Drawn_Control& gauge = Gauge(*form, n);
    EXPECT_FALSE(label.visible);
    EXPECT_EQ(label.described->tag, n);
    EXPECT_EQ(gauge.described->tag, n);
    EXPECT_EQ(free.described->tag, n);
    EXPECT_EQ(label.text, "?");
    EXPECT_EQ(free.text, "??");
    EXPECT_EQ(Rect(gauge), QRect(32, 8 + 20 * (n - 1), 55, 17));
    EXPECT_EQ(Rect(label).topLeft(), QPoint(4, 8 + 20 * (n - 1)));
    EXPECT_EQ(Rect(free).topLeft(), QPoint(92, 8 + 20 * (n - 1)));
    EXPECT_EQ(gauge.progress, 100);
    EXPECT_EQ(gauge.bar_rgb, 0x00FF00u);
  }
  EXPECT_EQ(Drawn(*form, "Spinner_Label").text, "=");
  EXPECT_EQ(Drawn(*form, "Free_Used_Label").text, "Free  /  Used");
  EXPECT_EQ(form->Timer1->Qt_Timer().interval(), 30000);
  EXPECT_TRUE(form->Timer1->Running());
  EXPECT_FALSE(form->Refresh_Button->isVisibleTo(form));
}

TEST_F(Main_Form_Test, TheMenuInOrderWithNoShortcuts) {
  QMenuBar* bar = form->findChild<QMenuBar*>("MainMenu1");
  ASSERT_NE(bar, nullptr);
  std::vector<std::string> seen;
  for (QAction* menu : bar->actions()) {
    seen.push_back(menu->text().toStdString());
    for (QAction* a : menu->menu()->actions()) {
      seen.push_back("  " + a->objectName().toStdString() + " " +
                     (a->isSeparator() ? "-" : a->text().toStdString()));
      EXPECT_TRUE(a->shortcut().isEmpty()) << a->objectName().toStdString();
    }
  }
  const std::vector<std::string> expected = {
      "&File",
      "  RefreshOption &Refresh",
      "  N1 -",
      "  SettingsOption &Settings",
      "  N2 -",
      "  Always_on_Top_Option &Always On Top",
      "  Auto_Run_at_Windows_Startup_Option Auto-Run at Windows Startup",
      "  Restore_Factory_Defaults_Option Restore Factory Defaults",
      "  N5 -",
      "  ExitOption E&xit",
      "&Help",
      "  View_Readme_file_Option &View Readme file",
      "  View_Shareware_Catalog_Option View &Shareware Catalog",
      "  About1 -",
      "  AboutOption &About",
  };
  EXPECT_EQ(seen, expected);
}

TEST_F(Main_Form_Test, ClientHeightsFollowTheRowsShown) {
  const struct {
    const char* settings;
    std::vector<int> rows;
    int height;
  } cases[] = {
      {"[keldra]\ndrive_being_monitored_letters=\n", {}, 36},
      {"[keldra]\ndrive_being_monitored_letters=c\n", {1}, 29},
      {"[keldra]\ndrive_being_monitored_letters=CDE\nShow_Total_of_All_Drives_CheckBox=1\n",
       {1, 2, 3, 4},
       89},
  };
  for (const auto& c : cases) {
    Form_Fixture fresh;
    fresh.Write_Settings(c.settings);
    fresh.form->show();
    QApplication::processEvents();
    std::vector<int> rows;
    for (int n = 1; n <= 27; ++n) {
      if (Drawn(*fresh.form, "Drive_Label_" + std::to_string(n)).visible) rows.push_back(n);
    }
    EXPECT_EQ(rows, c.rows) << c.settings;
    EXPECT_EQ(fresh.form->Client_Height(), c.height) << c.settings;
    EXPECT_EQ(fresh.form->centralWidget()->height(), c.height) << c.settings;
  }
}

TEST_F(Main_Form_Test, RowsShowLettersGaugesColoursAndTexts) {
  Show("[keldra]\ndrive_being_monitored_letters=CDE\nShow_Total_of_All_Drives_CheckBox=1\n");
  EXPECT_EQ(Visible_Rows(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(Drawn(*form, "Drive_Label_1").text, "C:");
  EXPECT_EQ(Drawn(*form, "Drive_Label_4").text, "Tot:");
  EXPECT_EQ(Drawn(*form, "Drive_Free_1").text, "570.0 MB / 1000.0 MB");
  EXPECT_EQ(Gauge(*form, 1).progress, 43);
  EXPECT_EQ(Gauge(*form, 1).bar_rgb, 0x00FF00u);
  EXPECT_EQ(Gauge(*form, 2).bar_rgb, 0xFF0000u);
  EXPECT_EQ(Gauge(*form, 3).bar_rgb, 0xFFFF00u);
  // The labels grow with their text.
  EXPECT_GT(Drawn(*form, "Drive_Free_1").box.width, 14);
  EXPECT_GT(Drawn(*form, "Drive_Label_4").box.width, Drawn(*form, "Drive_Label_1").box.width);
  // Drawn where they stand: the gauge's border and bar, the label's text inked.
  const QImage shown = form->Client_Area->grab().toImage();
  const QRect g = Rect(Gauge(*form, 2));
  EXPECT_EQ(shown.pixelColor(g.topLeft()), QColor(Qt::black));
  EXPECT_EQ(shown.pixelColor(g.left() + 1, g.bottom() - 1), QColor(255, 0, 0));
  const QRect text = Rect(Drawn(*form, "Drive_Free_1"));
  int inked = 0;
  for (int y = text.top(); y <= text.bottom(); ++y) {
    for (int x = text.left(); x <= text.right(); ++x) inked += shown.pixelColor(x, y) == Qt::black;
  }
  EXPECT_GT(inked, 20) << "the size text is not drawn in its box";
}

TEST_F(Main_Form_Test, HintsByPlaceAndNoneWhereTheyAreSwitchedOff) {
  Show("[keldra]\ndrive_being_monitored_letters=CDE\nShow_Total_of_All_Drives_CheckBox=1\n");
  const struct {
    std::string name;
    QString hint;                     // empty: none
  } cases[] = {{"Drive_Free_3", ""},  // first: a hint once shown fades out, not at once
               {"Drive_Label_1", "Drive being monitored."},
               {"Drive_Pct_Free_2", "Percentage (%) of disk space used."},
               {"Drive_Free_1", "Disk Space Free / Total Drive Capacity"}};
  for (const auto& c : cases) {
    const ui::Drawn_Control& d = Drawn(*form, c.name);
    const QPoint at(d.box.left + 2, d.box.top + 5);
    QHelpEvent help(QEvent::ToolTip, at, form->Client_Area->mapToGlobal(at));
    QApplication::sendEvent(form->Client_Area, &help);
    EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), c.hint) << c.name;
    QToolTip::hideText();
  }
}

TEST_F(Main_Form_Test, DoubleClicksRefreshFromTheTextsTheFirstThreeLettersAndTheBackground) {
  Show("[keldra]\ndrive_being_monitored_letters=CDEC\n");
  const struct {
    QString name;
    bool refreshes;
  } cases[] = {{"Drive_Free_4", true},      {"Drive_Free_1", true},   {"Drive_Label_1", true},
               {"Drive_Label_3", true},     {"Drive_Label_4", false}, {"Drive_Pct_Free_1", false},
               {"Drive_Pct_Free_4", false}, {"Spinner_Label", false}, {"Client_Area", true}};
  for (const auto& c : cases) {
    // At the control's left edge, a little below its top; the background below the rows.
    QPoint at(1, form->Client_Area->height() - 5);
    if (c.name != "Client_Area") {
      const ui::Drawn_Control& d = Drawn(*form, c.name.toStdString());
      ASSERT_TRUE(d.visible) << c.name.toStdString();
      at = QPoint(d.box.left + 1, d.box.top + 5);
    }
    const std::size_t before = Passes();
    QTest::mouseDClick(form->Client_Area, Qt::LeftButton, {}, at);
    EXPECT_EQ(Passes() > before, c.refreshes) << c.name.toStdString();
  }
  EXPECT_EQ(Drawn(*form, "Spinner_Label").text, "=") << "a manual refresh leaves the indicator";
}

TEST_F(Main_Form_Test, ThePassSetsTheHeightBackAfterTheUserDragsTheFrame) {
  Show("[keldra]\ndrive_being_monitored_letters=CD\n");
  form->resize(form->width(), form->height() + 200);
  QApplication::processEvents();
  form->RefreshOption->trigger();
  QApplication::processEvents();
  EXPECT_EQ(form->Client_Height(), 49);
}

TEST_F(Main_Form_Test, MenuMarksFollowTheirRoutinesNotTheClick) {
  Show("[keldra]\nAlways_on_Top_Option=1\n");
  ASSERT_FALSE(stacking.keep_above.empty());
  EXPECT_TRUE(stacking.keep_above.back()) << "the show sequence applies the loaded mark";
  QAction* item = form->Always_on_Top_Option->Action();
  EXPECT_TRUE(item->isChecked());
  item->trigger();
  EXPECT_FALSE(item->isChecked());
  EXPECT_FALSE(stacking.keep_above.back());
  item->trigger();
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(stacking.keep_above.back());
  // A click whose routine fails (no autostart folder) keeps the mark as it was.
  rmdir(autostart.c_str());
  QAction* auto_run = form->Auto_Run_at_Windows_Startup_Option->Action();
  auto_run->trigger();
  EXPECT_FALSE(auto_run->isChecked());
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_EQ(boxes.shown.back().kind, platform::Message_Kind::Error);
}

TEST_F(Main_Form_Test, ShowSequenceLoadsPlacementAndShowsTheWindow) {
  Show(
      "[keldra]\nwindow_top_posn=120\nwindow_left_posn=80\nwindow_ClientWidth=250\n"
      "timer_interval=45000\n");
  EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(80, 120));
  EXPECT_EQ(form->width(), 250);
  EXPECT_EQ(form->Timer1->Qt_Timer().interval(), 45000);
  EXPECT_EQ(stacking.show_commands, (std::vector<int>{10}));  // SW_SHOWDEFAULT
  EXPECT_TRUE(form->isVisible());
}

}  // namespace
}  // namespace keldra::test
