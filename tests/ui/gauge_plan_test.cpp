#include "ui/gauge_plan.h"

#include <gtest/gtest.h>

namespace keldra::ui {
namespace {

TEST(Gauge_Plan, BarEndsBeforeColumnPTimesWMinusOneOverHundredRounded) {
  // A 55 x 17 gauge, as a row has: c = round(P * 54 / 100), bar columns 1..c-1.
  const struct {
    int value;
    int shown;
    int bar_width;  // 0: no bar
    const char* text;
  } cases[] = {{0, 0, 0, "0%"},  {1, 1, 0, "1%"},       {2, 2, 0, "2%"},
               {3, 3, 1, "3%"},  {57, 57, 30, "57%"},   {100, 100, 53, "100%"},
               {-5, 0, 0, "0%"}, {250, 100, 53, "100%"}};  // beyond the range: its edge
  for (const auto& c : cases) {
    const Gauge_Plan p = Plan_Gauge(55, 17, c.value, 0x00FF00);
    EXPECT_EQ(p.value, c.shown) << c.value;
    EXPECT_EQ(p.bar.width, c.bar_width) << c.value;
    if (c.bar_width > 0) {
      EXPECT_EQ(p.bar.left, 1);
      EXPECT_EQ(p.bar.height, 15) << "the bar fills the inside's height";
    }
    EXPECT_EQ(p.text, c.text);
  }
}

TEST(Gauge_Plan, TheInsideWithinABorderAndTheTextCentredInIt) {
  const Gauge_Plan p = Plan_Gauge(55, 17, 57, 0xFF0000);
  EXPECT_EQ(p.inside.left, 1);
  EXPECT_EQ(p.inside.top, 1);
  EXPECT_EQ(p.inside.width, 53);
  EXPECT_EQ(p.inside.height, 15);
  // Centred in the box less its last column and row, as the window has always put it.
  EXPECT_EQ(Gauge_Text_Place(p, 20, 13).x, 17);
  EXPECT_EQ(Gauge_Text_Place(p, 20, 13).y, 1);
  EXPECT_EQ(Gauge_Text_Place(p, 60, 20).x, -3) << "a text wider than the gauge is cut both sides";
  // Too small for an inside: only the border, and nothing written.
  for (const auto& [w, h] : {std::pair{1, 17}, std::pair{55, 1}, std::pair{0, 0}}) {
    const Gauge_Plan tiny = Plan_Gauge(w, h, 50, 0xFF0000);
    EXPECT_EQ(tiny.inside.width, 0) << w << "x" << h;
    EXPECT_EQ(tiny.bar.width, 0) << w << "x" << h;
    EXPECT_TRUE(tiny.text.empty()) << w << "x" << h;
  }
}

}  // namespace
}  // namespace keldra::ui
