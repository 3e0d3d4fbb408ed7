#pragma once
// The 27 rows and the client height in memory, laid out as the window lays them
// out, with every call the pass makes written to a log.
#include <array>
#include <string>
#include <vector>

#include "monitor/drive_rows.h"

namespace keldra::test {

class Recording_Rows : public monitor::Drive_Rows, public monitor::Refresh_Inputs {
 public:
  using Row = monitor::Drive_Row_State;

  void Set_Visible(int row, monitor::Row_Control control, bool visible) override;
  void Set_Caption(int row, monitor::Row_Control control, std::string_view caption) override;
  int Set_Gauge_Progress(int row, int value) override;
  void Set_Bar_Color(int row, monitor::Bar_Color color) override;
  int Gauge_Top(int row) const override { return 8 + 20 * (row - 1); }
  int Gauge_Height(int) const override { return 17; }
  int Client_Height() const override { return client_height; }
  void Set_Client_Height(int height) override;

  std::string Monitored_Drive_Letters() const override { return letters; }
  int Drive_Limit() const override { return limit; }
  bool Show_Total() const override { return show_total; }

  const Row& operator[](int row) const { return rows.at(static_cast<std::size_t>(row - 1)); }
  // Rows whose three controls are all visible; a row half shown is a fault.
  std::vector<int> Shown() const;

  std::string letters;
  int limit = 26;
  bool show_total = false;
  int client_height = 562;  // the design client height, as at window creation
  int height_sets = 0;
  std::vector<std::string> log;
  std::array<Row, monitor::Drive_Row_Count> rows;

 private:
  Row& At(int row) { return rows.at(static_cast<std::size_t>(row - 1)); }
};

}  // namespace keldra::test
