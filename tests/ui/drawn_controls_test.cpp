#include "ui/drawn_controls.h"

#include <gtest/gtest.h>

namespace keldra::ui {
namespace {

// Two overlapping labels and a gauge; texts measure 6 pixels a character, 13 high.
struct Drawn_Controls_Test : ::testing::Test {
  Drawn_Controls_Test() {
    const auto control = [](Control_Kind kind, int tag, Box box) {
      Control_Description c;
      c.kind = kind;
      c.tag = tag;
      c.box = box;
      c.text = kind == Control_Kind::Label ? "?" : "";
      return c;
    };
    window.controls = {control(Control_Kind::Label, 1, {0, 0, 20, 17}),
                       control(Control_Kind::Label, 2, {10, 0, 20, 17}),
                       control(Control_Kind::Gauge, 3, {0, 20, 55, 17}),
                       control(Control_Kind::Button, 4, {0, 40, 10, 10})};
    window.controls[1].auto_size = true;
    controls.Add_Described(
        window, [](const Control_Description& c) { return c.tag; }, 0x00FF00);
    repainted.clear();
  }
  std::string Repaints() {
    std::string out;
    for (const auto& [b, erase] : repainted) {
      out += std::to_string(b.left) + "," + std::to_string(b.top) + " " + std::to_string(b.width) +
             "x" + std::to_string(b.height) + (erase ? " " : "! ");
    }
    repainted.clear();
    return out;
  }
  Window_Description window;
  std::vector<std::pair<Box, bool>> repainted;
  Drawn_Controls controls{[](const Drawn_Control&, const std::string& text) {
                            return Text_Extent{6 * static_cast<int>(text.size()), 13};
                          },
                          [this](const Box& b, bool erase) { repainted.emplace_back(b, erase); }};
};

TEST_F(Drawn_Controls_Test, OnlyLabelsAndGaugesAShownAutoSizedOneFittedAtOnce) {
  ASSERT_EQ(controls.All().size(), 3U);
  EXPECT_EQ(controls.Get(1).text, "?");
  EXPECT_EQ(controls.Get(1).box.width, 20);
  EXPECT_EQ(controls.Get(2).box.width, 6) << "fitted to its design text";
  EXPECT_EQ(controls.Get(3).bar_rgb, 0x00FF00U);
  EXPECT_TRUE(controls.Get(3).text.empty()) << "a gauge writes its value, not a text";
}

TEST_F(Drawn_Controls_Test, EachChangeRepaintsItsPlaceOnlyWhenSomethingShownChanged) {
  EXPECT_EQ(controls.Set_Progress(3, 150), 100);
  EXPECT_EQ(Repaints(), "") << "100 already";
  EXPECT_EQ(controls.Set_Progress(3, -3), 0);
  controls.Set_Bar(3, 0xFF0000);
  controls.Set_Bar(3, 0xFF0000);
  EXPECT_EQ(Repaints(), "0,20 55x17! 0,20 55x17! ") << "a gauge covers its box: no erasing";
  // A label's text: its old place and its new, fitted one, at least as high as asked.
  controls.Set_Text(1, "C:", true, 17);
  EXPECT_EQ(Repaints(), "0,0 20x17 0,0 12x17 ");
  controls.Set_Text(1, "C:", true, 17);
  controls.Set_Visible(1, false);
  controls.Set_Visible(1, false);
  EXPECT_EQ(Repaints(), "0,0 12x17 ");
}

TEST_F(Drawn_Controls_Test, APointFindsTheFirstShownControlThere) {
  EXPECT_EQ(controls.At({12, 5}), &controls.Get(1));
  controls.Set_Visible(1, false);
  EXPECT_EQ(controls.At({12, 5}), &controls.Get(2)) << "a hidden one is not found";
  EXPECT_EQ(controls.At({3, 5}), nullptr) << "nor what lies only under it";
  EXPECT_EQ(controls.At({54, 36}), &controls.Get(3));
  EXPECT_EQ(controls.At({55, 36}), nullptr) << "the right edge is outside";
}

}  // namespace
}  // namespace keldra::ui
