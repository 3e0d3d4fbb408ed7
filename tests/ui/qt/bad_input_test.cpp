// Hand-edited settings at and past their limits, and a program that does nothing
// when nothing changes.
#include <QLabel>
#include <QTimer>
#include <climits>

#include <gtest/gtest.h>

#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/animated_picture.h"
#include "ui/qt/drawn_area.h"
#include "ui/qt/percent_gauge.h"

namespace keldra::test {
namespace {

class Bad_Input_Test : public ::testing::Test, public Form_Fixture {
 protected:
  void Show(const std::string& settings) {
    Write_Settings(settings);
    form->show();
    QApplication::processEvents();
  }
};

TEST_F(Bad_Input_Test, IntegerKeysAtAndPastTheirLimitsNeitherCrashNorLoseTheWindow) {
  const char* cases[] = {
      "window_ClientWidth=2147483647\nwindow_top_posn=-2147483648\nwindow_left_posn=2147483647\n",
      "window_ClientWidth=-5\nwindow_top_posn=99999999999\n",
      "window_ClientWidth=0\ntimer_interval=-2147483648\n",
      "window_ClientWidth=$FFFFFFFF\ntimer_interval=0x\n",
  };
  for (const char* c : cases) {
    Form_Fixture f;
    f.Write_Settings(std::string("[keldra]\n") + c);
    f.form->show();
    QApplication::processEvents();
    EXPECT_TRUE(f.form->isVisible()) << c;
    EXPECT_EQ(f.form->Client_Height(), 29) << c;
    EXPECT_GT(f.form->Client_Width(), 0) << c;
    EXPECT_TRUE(f.boxes.errors.empty()) << c;
    EXPECT_TRUE(f.behaviour().FormCloseQuery()) << c;
  }
}

TEST_F(Bad_Input_Test, APositionFarOffEveryScreenIsKeptAsStored) {
  Show("[keldra]\nwindow_top_posn=-20000\nwindow_left_posn=30000\n");
  EXPECT_EQ(form->Frame_Top(), -20000);
  EXPECT_EQ(form->Frame_Left(), 30000);
  Write_Settings("[keldra]\nwindow_top_posn=-2147483648\nwindow_left_posn=2147483647\n");
  behaviour().FormShow();
  EXPECT_EQ(form->Frame_Top(), -32768) << "as far as a window system reaches";
  EXPECT_EQ(form->Frame_Left(), 32767);
}

// Counts paints of every row control.
class Paint_Counter : public QObject {
 public:
  int paints = 0;
  std::vector<std::string> painted;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      ++paints;
      painted.push_back(o->objectName().toStdString());
    }
    return false;
  }
};

TEST_F(Bad_Input_Test, APassThatChangesNothingRepaintsNothingAndOnlyTimer1Runs) {
  Show("[keldra]\ndrive_being_monitored_letters=CDE\nShow_Total_of_All_Drives_CheckBox=1\n");
  QApplication::processEvents();
  Paint_Counter counter;
  for (QWidget* w : form->Client_Area->findChildren<QWidget*>()) w->installEventFilter(&counter);
  form->Client_Area->installEventFilter(&counter);
  emit form->Timer1->Tick();  // the indicator changes: it alone may repaint
  QApplication::processEvents();
  const int after_tick = counter.paints;
  form->RefreshOption->trigger();  // nothing changes at all
  form->RefreshOption->trigger();
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, after_tick)
      << "an unchanged pass repainted something: " << ::testing::PrintToString(counter.painted);
  disk.Set('C', 900ull << 20, 1000ull << 20);  // C's figures change
  form->RefreshOption->trigger();
  QApplication::processEvents();
  EXPECT_GT(counter.paints, after_tick) << "a changed drive must repaint";

  // With the About box closed, Timer1 is the only timer of Keldra's that runs.
  std::vector<std::string> running;
  for (QObject* root : {static_cast<QObject*>(form), static_cast<QObject*>(about),
                        static_cast<QObject*>(options)}) {
    for (QTimer* t : root->findChildren<QTimer*>()) {
      if (t->isActive()) running.push_back(t->objectName().toStdString());
    }
  }
  EXPECT_EQ(running, (std::vector<std::string>{"Timer1"}));
  EXPECT_FALSE(about->Control<Animated_Picture>(about_names::Vantrel_Logo_GIFImage)->Animate());
}

}  // namespace
}  // namespace keldra::test
