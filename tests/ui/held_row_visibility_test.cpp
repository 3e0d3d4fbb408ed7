#include "ui/held_row_visibility.h"

#include <gtest/gtest.h>

#include "tests/fakes/recording_rows.h"

namespace keldra::ui {
namespace {

// Counts what reaches the window.
struct Counting_Rows final : test::Recording_Rows {
  void Set_Visible(int row, monitor::Row_Control c, bool visible) override {
    ++visibility_calls;
    Recording_Rows::Set_Visible(row, c, visible);
  }
  int visibility_calls = 0;
};

// A pass as the refresh pass makes one: every row hidden, then the first n shown.
void Pass(Held_Row_Visibility& rows, int shown) {
  for (int row = 1; row <= monitor::Drive_Row_Count; ++row) {
    for (auto c :
         {monitor::Row_Control::Label, monitor::Row_Control::Gauge, monitor::Row_Control::Free}) {
      rows.Set_Visible(row, c, false);
    }
  }
  for (int row = 1; row <= shown; ++row) {
    for (auto c :
         {monitor::Row_Control::Label, monitor::Row_Control::Gauge, monitor::Row_Control::Free}) {
      rows.Set_Visible(row, c, true);
    }
  }
}

TEST(Held_Row_Visibility, OnlyChangesReachTheWindowAndOnlyOnceThePassIsOver) {
  Counting_Rows window;
  Held_Row_Visibility rows(window);
  Pass(rows, 2);
  EXPECT_EQ(window.visibility_calls, 0) << "nothing before the pass is over";
  rows.Release();
  EXPECT_EQ(window.visibility_calls, 6) << "two rows of three controls shown, nothing hidden";
  EXPECT_EQ(window.Shown(), (std::vector<int>{1, 2}));

  Pass(rows, 2);  // the same rows again: the window is not touched
  rows.Release();
  EXPECT_EQ(window.visibility_calls, 6);

  Pass(rows, 1);  // one row fewer: only its controls are hidden
  rows.Release();
  EXPECT_EQ(window.visibility_calls, 9);
  EXPECT_EQ(window.Shown(), (std::vector<int>{1}));
}

}  // namespace
}  // namespace keldra::ui
