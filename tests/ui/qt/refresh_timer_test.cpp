#include "ui/qt/refresh_timer.h"

#include <QTest>
#include <limits>

#include <gtest/gtest.h>

#include "ui/main_form_description.h"

namespace keldra::ui {
namespace {

const Timer_Description& Timer1() { return Main_Form_Description().Timer(main_form_names::Timer1); }

TEST(Refresh_Timer, StartsAtItsDescribedIntervalAndRestartsOrStopsWhenTold) {
  Refresh_Timer t(Timer1());
  EXPECT_TRUE(t.Qt_Timer().isActive());
  EXPECT_EQ(t.Qt_Timer().interval(), 30000);
  EXPECT_EQ(t.Qt_Timer().objectName(), "Timer1");
  t.Set_Period(45000);
  EXPECT_GT(t.Qt_Timer().remainingTime(), 44000);
  int ticks = 0;
  QObject::connect(&t, &Refresh_Timer::Tick, [&] { ++ticks; });
  t.Set_Period(std::nullopt);
  EXPECT_FALSE(t.Qt_Timer().isActive()) << "a Qt timer of 0 would fire without pause";
  QTest::qWait(20);
  EXPECT_EQ(ticks, 0);
}

TEST(Refresh_Timer, SlowTicksDoNotPileUp) {
  Refresh_Timer t(Timer1());
  t.Set_Period(5);
  int ticks = 0;
  QObject::connect(&t, &Refresh_Timer::Tick, [&] {
    ++ticks;
    QTest::qSleep(60);  // a pass far longer than the interval
  });
  QTest::qWait(200);
  // Without pile-up at most one tick waits behind each slow one.
  EXPECT_LE(ticks, 5);
  EXPECT_GE(ticks, 1);
}

}  // namespace
}  // namespace keldra::ui
