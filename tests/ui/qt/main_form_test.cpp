#include "ui/qt/main_form.h"

#include <unistd.h>

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/percent_gauge.h"

namespace keldra::test {
namespace {

QLabel* Label(ui::TMainForm1& f, const QString& name) { return f.findChild<QLabel*>(name); }
ui::Percent_Gauge* Gauge(ui::TMainForm1& f, int n) {
  return f.findChild<ui::Percent_Gauge*>("Drive_Pct_Free_" + QString::number(n));
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
      const bool l = Label(*form, "Drive_Label_" + QString::number(n))->isVisible();
      const bool g = Gauge(*form, n)->isVisible();
      const bool t = Label(*form, "Drive_Free_" + QString::number(n))->isVisible();
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
    const QString s = QString::number(n);
    QLabel* label = Label(*form, "Drive_Label_" + s);
    QLabel* free = Label(*form, "Drive_Free_" + s);
    ui::Percent_Gauge* gauge = Gauge(*form, n);
    ASSERT_TRUE(label && free && gauge) << n;
    EXPECT_FALSE(label->isVisibleTo(form));
    EXPECT_EQ(label->property("Tag").toInt(), n);
    EXPECT_EQ(gauge->property("Tag").toInt(), n);
    EXPECT_EQ(free->property("Tag").toInt(), n);
    EXPECT_EQ(label->text(), "?");
    EXPECT_EQ(free->text(), "??");
    EXPECT_EQ(gauge->geometry(), QRect(32, 8 + 20 * (n - 1), 55, 17));
    EXPECT_EQ(label->pos(), QPoint(4, 8 + 20 * (n - 1)));
    EXPECT_EQ(free->pos(), QPoint(92, 8 + 20 * (n - 1)));
    EXPECT_EQ(gauge->Progress(), 100);
    EXPECT_EQ(gauge->Bar_Color(), QColor(0, 255, 0));
    EXPECT_EQ(label->toolTip(), "Drive being monitored.");
    EXPECT_EQ(gauge->toolTip(), "Percentage (%) of disk space used.");
    EXPECT_EQ(free->toolTip(), n == 3 ? "" : "Disk Space Free / Total Drive Capacity");
  }
  EXPECT_TRUE(Gauge(*form, 1)->font().bold());
  EXPECT_EQ(Gauge(*form, 2)->font(), form->font());
  EXPECT_FALSE(Gauge(*form, 3)->font().bold());
  EXPECT_EQ(Gauge(*form, 3)->font().pixelSize(), 13);
  EXPECT_EQ(form->Spinner_Label->text(), "=");
  EXPECT_EQ(form->Free_Used_Label->text(), "Free  /  Used");
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
      if (Label(*fresh.form, "Drive_Label_" + QString::number(n))->isVisible()) rows.push_back(n);
    }
    EXPECT_EQ(rows, c.rows) << c.settings;
    EXPECT_EQ(fresh.form->Client_Height(), c.height) << c.settings;
    EXPECT_EQ(fresh.form->centralWidget()->height(), c.height) << c.settings;
  }
}

TEST_F(Main_Form_Test, RowsShowLettersGaugesColoursAndTexts) {
  Show("[keldra]\ndrive_being_monitored_letters=CDE\nShow_Total_of_All_Drives_CheckBox=1\n");
  EXPECT_EQ(Visible_Rows(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(Label(*form, "Drive_Label_1")->text(), "C:");
  EXPECT_EQ(Label(*form, "Drive_Label_4")->text(), "Tot:");
  EXPECT_EQ(Label(*form, "Drive_Free_1")->text(), "570.0 MB / 1000.0 MB");
  EXPECT_EQ(Gauge(*form, 1)->Progress(), 43);
  EXPECT_EQ(Gauge(*form, 1)->Bar_Color(), QColor(0, 255, 0));
  EXPECT_EQ(Gauge(*form, 2)->Bar_Color(), QColor(255, 0, 0));
  EXPECT_EQ(Gauge(*form, 3)->Bar_Color(), QColor(255, 255, 0));
  // The labels grow with their text.
  EXPECT_GT(Label(*form, "Drive_Free_1")->width(), 14);
  EXPECT_GT(Label(*form, "Drive_Label_4")->width(), Label(*form, "Drive_Label_1")->width());
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
    QWidget* w = form->findChild<QWidget*>(c.name);
    ASSERT_NE(w, nullptr) << c.name.toStdString();
    const std::size_t before = Passes();
    QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(1, 12));
    EXPECT_EQ(Passes() > before, c.refreshes) << c.name.toStdString();
  }
  EXPECT_EQ(form->Spinner_Label->text(), "=") << "a manual refresh leaves the indicator";
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
