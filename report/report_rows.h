#pragma once
// The rows of one refresh pass as keldra-report prints them: the window's layout
// without the window.
#include <array>
#include <string>
#include <vector>

#include "monitor/disk_queries.h"
#include "monitor/drive_rows.h"

namespace keldra::report {

// One row as the window would show it, with the counts its size text is made of.
struct Shown_Row {
  std::string label;
  int gauge = 0;
  monitor::Bar_Color color = monitor::Bar_Color::Lime;
  std::string text;
  monitor::Size_Figures figures;
  bool total = false;  // the total of all drives, not a drive of its own
};

class Report_Rows final : public monitor::Drive_Rows, public monitor::Refresh_Inputs {
 public:
  // With queries, each row keeps the counts its size text was made from.
  Report_Rows(std::string letters, bool show_total, const monitor::Disk_Queries* queries = nullptr);

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

  // The shown rows, in slot order.
  std::vector<Shown_Row> Shown() const;

  // One line per shown row, in slot order: letter label, gauge value, bar colour and
  // size text, separated by tabs.
  std::string Shown_Rows() const;

 private:
  using Row = monitor::Drive_Row_State;
  Row& At(int row) { return rows_.at(static_cast<std::size_t>(row - 1)); }

  std::array<Row, monitor::Drive_Row_Count> rows_;
  std::array<monitor::Size_Figures, monitor::Drive_Row_Count> figures_;
  const monitor::Disk_Queries* queries_;
  std::string letters_;
  bool show_total_;
  int client_height_ = 0;
};

// The text with each control character (a newline or tab in a mount point's name)
// written as a backslash and three octal digits, as the mount table writes them, so
// that it cannot break a tab-separated line.
std::string Escape_Controls(const std::string& text);

// One row as the plain report prints it, without its line end: letter label, gauge
// value, bar colour and size text, separated by tabs.
std::string Row_Line(const Shown_Row& row);

}  // namespace keldra::report
