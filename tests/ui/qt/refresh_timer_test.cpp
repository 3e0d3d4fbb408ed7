#include "ui/qt/refresh_timer.h"

#include <QTest>
#include <limits>

#include <gtest/gtest.h>

#include "ui/main_form_description.h"

namespace keldra::ui {
namespace {

const Timer_Description& Timer1() { return Main_Form_Description().Timer(main_form_names::Timer1); }

TEST(Refresh_Timer, StartsAtItsDescribedIntervalAndRestartsWhenGivenOne) {
  Refresh_Timer t(Timer1());
  EXPECT_EQ(t.Interval(), 30000u);
  EXPECT_TRUE(t.Running());
  EXPECT_EQ(t.Qt_Timer().objectName(), "Timer1");
  t.Set_Interval(45000);
  EXPECT_GT(t.Qt_Timer().remainingTime(), 44000);
}

TEST(Refresh_Timer, ZeroStopsTheTicksAndHandEditedExtremesNeitherSpinNorCrash) {
  const struct {
    std::uint32_t interval;
    bool running;
    int qt_interval;
  } cases[] = {{0, false, -1},
               {1, true, 1},
               {0xFFFFFFFFu, true, std::numeric_limits<int>::max()},  // "-1" in the file
               {0x80000000u, true, std::numeric_limits<int>::max()}};
  for (const auto& c : cases) {
    Refresh_Timer t(Timer1());
    int ticks = 0;
    QObject::connect(&t, &Refresh_Timer::Tick, [&] { ++ticks; });
    t.Set_Interval(c.interval);
    EXPECT_EQ(t.Interval(), c.interval);
    EXPECT_EQ(t.Running(), c.running) << c.interval;
    if (c.running) {
      EXPECT_EQ(t.Qt_Timer().interval(), c.qt_interval) << c.interval;
    }
    QTest::qWait(20);
    if (c.interval == 0 || c.interval > 1000) {
      EXPECT_EQ(ticks, 0) << c.interval << " must not fire within 20 ms";
    }
  }
}

TEST(Refresh_Timer, SlowTicksDoNotPileUp) {
  Refresh_Timer t(Timer1());
  t.Set_Interval(5);
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
