#pragma once
// What the refresh pass writes to and reads from: the 27 DriveRows and the
// window's client height, and the three settings it reads afresh on every pass.
// The main window implements these with its widgets, keldra-report with printed
// lines, the tests with a recording fake.
#include <string>
#include <string_view>

#include "platform/drive_table.h"

namespace keldra::monitor {

// One row a drive letter, and one more for the TotalRow.
inline constexpr int Drive_Row_Count = platform::Drive_Letter_Count + 1;

enum class Row_Control { Label, Gauge, Free };

enum class Bar_Color { Lime, Yellow, Red };

const char* Bar_Color_Name(Bar_Color color);

// The colour of a gauge showing p percent used: red above 95, yellow from 85.
Bar_Color Bar_Color_For(int percent_used);

// What one row shows, for the views that keep rows as data rather than widgets:
// keldra-report's and the tests'.
struct Drive_Row_State {
  bool label_visible = false;
  bool gauge_visible = false;
  bool free_visible = false;
  std::string label = "?";
  std::string free = "??";
  int gauge = 100;
  Bar_Color color = Bar_Color::Lime;
};

class Drive_Rows {
 public:
  virtual ~Drive_Rows() = default;
  // Rows count from 1 to Drive_Row_Count.
  virtual void Set_Visible(int row, Row_Control control, bool visible) = 0;
  // The letter label's or the free/total label's caption.
  virtual void Set_Caption(int row, Row_Control control, std::string_view caption) = 0;
  // The gauge keeps its value within 0..100 and answers the value it stored.
  virtual int Set_Gauge_Progress(int row, int value) = 0;
  virtual void Set_Bar_Color(int row, Bar_Color color) = 0;
  virtual int Gauge_Top(int row) const = 0;
  virtual int Gauge_Height(int row) const = 0;
  virtual int Client_Height() const = 0;
  virtual void Set_Client_Height(int height) = 0;
};

class Refresh_Inputs {
 public:
  virtual ~Refresh_Inputs() = default;
  virtual std::string Monitored_Drive_Letters() const = 0;
  virtual int Drive_Limit() const = 0;
  virtual bool Show_Total() const = 0;
};

}  // namespace keldra::monitor
