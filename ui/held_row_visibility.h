#pragma once
// The rows as a refresh pass writes them, with their showing and hiding held back
// until the pass is over: then each control whose visibility changed is shown or
// hidden once, so that a row hidden and shown again within one pass (every pass
// hides all rows before it shows the drives) does not flicker. Everything else
// reaches the window at once.
#include <array>
#include <optional>

#include "monitor/drive_rows.h"

namespace keldra::ui {

class Held_Row_Visibility final : public monitor::Drive_Rows {
 public:
  explicit Held_Row_Visibility(monitor::Drive_Rows& window) : window_(window) {}

  void Set_Visible(int row, monitor::Row_Control control, bool visible) override;
  void Set_Caption(int row, monitor::Row_Control control, std::string_view caption) override {
    window_.Set_Caption(row, control, caption);
  }
  int Set_Gauge_Progress(int row, int value) override {
    return window_.Set_Gauge_Progress(row, value);
  }
  void Set_Bar_Color(int row, monitor::Bar_Color color) override {
    window_.Set_Bar_Color(row, color);
  }
  int Gauge_Top(int row) const override { return window_.Gauge_Top(row); }
  int Gauge_Height(int row) const override { return window_.Gauge_Height(row); }
  int Client_Height() const override { return window_.Client_Height(); }
  void Set_Client_Height(int height) override { window_.Set_Client_Height(height); }

  // The pass is over, or stopped at a bad slot: the held changes reach the window.
  void Release();

 private:
  monitor::Drive_Rows& window_;
  // What the window shows (every row starts hidden), and what the pass asked for.
  std::array<std::array<bool, 3>, monitor::Drive_Row_Count> shown_{};
  std::array<std::array<std::optional<bool>, 3>, monitor::Drive_Row_Count> asked_{};
};

}  // namespace keldra::ui
