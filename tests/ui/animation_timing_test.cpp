#include "ui/animation_timing.h"

#include <gtest/gtest.h>

namespace keldra::ui {
namespace {

TEST(Animation_Timing, EachFramesDelayFromTheFilesList) {
  const struct {
    std::vector<unsigned> listed;
    std::size_t frames;
    std::vector<int> delays;
  } cases[] = {
      {{}, 3, {100, 100, 100}},       // no list
      {{5, 0, 7}, 3, {50, 50, 70}},   // a 0 takes the first's
      {{4}, 3, {40, 40, 40}},         // one for all
      {{0}, 2, {0, 0}},               // none asked for: the wait's floor applies
      {{4294967295u}, 1, {1000000}},  // a corrupt figure stays a number
  };
  for (const auto& c : cases) EXPECT_EQ(Frame_Delays_Ms(c.listed, c.frames), c.delays);
  EXPECT_EQ(Frame_Wait_Ms(0), 10);
  EXPECT_EQ(Frame_Wait_Ms(70), 70);
}

TEST(Animation_Timing, PlaysItsLoopsThenRestsOnTheLastFrame) {
  Animation_Clock twice(3, 2);
  std::vector<int> shown;
  for (std::optional<int> f = 0; f; f = twice.Next(*f)) shown.push_back(*f);
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 0, 1, 2}));
  twice.Restart();
  EXPECT_EQ(twice.Next(2), 0) << "started again, it plays again";
  Animation_Clock for_ever(3, 0);
  int f = 0;
  for (int i = 0; i < 300; ++i) f = for_ever.Next(f).value_or(-1);
  EXPECT_EQ(f, 0);
}

}  // namespace
}  // namespace keldra::ui
