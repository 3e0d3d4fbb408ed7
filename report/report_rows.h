#pragma once
// The rows of one refresh pass as keldra-report prints them: the window's layout
// without the window.
#include <array>
#include <string>

#include "monitor/drive_rows.h"

namespace keldra::report {

class Report_Rows final : public monitor::Drive_Rows, public monitor::Refresh_Inputs {
 public:
  Report_Rows(std::string letters, bool show_total);

  void Set_Visible(int row, monitor::Row_Control control, bool visible) override;
  void Set_Caption(int row, monitor::Row_Control control, std::string_view caption) override;
  int Set_Gauge_Progress(int row, int value) override;
  void Set_Bar_Color(int row, monitor::Bar_Color color) override;
  int Gauge_Top(int row) const override;
  int Gauge_Height(int row) const override;
  int Client_Height() const override { return client_height_; }
  void Set_Client_Height(int height) override { client_height_ = height; }

  std::string Monitored_Drive_Letters() const override { return letters_; }
  int Drive_Limit() const override { return platform::Drive_Letter_Count; }
  bool Show_Total() const override { return show_total_; }

  // One line per shown row, in slot order: letter label, gauge value, bar colour and
  // size text, separated by tabs.
  std::string Shown_Rows() const;

 private:
  using Row = monitor::Drive_Row_State;
  Row& At(int row) { return rows_.at(static_cast<std::size_t>(row - 1)); }

  std::array<Row, monitor::Drive_Row_Count> rows_;
  std::string letters_;
  bool show_total_;
  int client_height_ = 0;
};

}  // namespace keldra::report
