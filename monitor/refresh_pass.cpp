#include "monitor/refresh_pass.h"

#include <algorithm>
#include <string>

#include "monitor/drive_number.h"

namespace keldra::monitor {
namespace {

constexpr int kEmptyWindowHeight = 36;

void Hide_Row(Drive_Rows& rows, int row) {
  rows.Set_Visible(row, Row_Control::Label, false);
  rows.Set_Visible(row, Row_Control::Gauge, false);
  rows.Set_Visible(row, Row_Control::Free, false);
}

// Fills one row and answers the height the window needs to show it.
int Fill_Row(Drive_Rows& rows, int row, const std::string& letter_text, std::uint8_t number,
             Disk_Queries& queries) {
  rows.Set_Visible(row, Row_Control::Label, true);
  rows.Set_Caption(row, Row_Control::Label, letter_text + ":");

  rows.Set_Visible(row, Row_Control::Gauge, true);
  const std::int64_t used = 100 - static_cast<std::int64_t>(queries.Get_Drive_Pct_Free(number));
  const int stored =
      rows.Set_Gauge_Progress(row, static_cast<int>(std::clamp<std::int64_t>(used, -1000, 1000)));
  rows.Set_Bar_Color(row, Bar_Color_For(stored));
  const int height = rows.Gauge_Top(row) + rows.Gauge_Height(row) + 4;

  rows.Set_Visible(row, Row_Control::Free, true);
  rows.Set_Caption(row, Row_Control::Free, queries.Get_Drive_Size_Text(number));
  return height;
}

}  // namespace

const char* Bar_Color_Name(Bar_Color color) {
  switch (color) {
    case Bar_Color::Red: return "red";
    case Bar_Color::Yellow: return "yellow";
    case Bar_Color::Lime: break;
  }
  return "lime";
}

Bar_Color Bar_Color_For(int p) {
  if (p > 95) return Bar_Color::Red;
  if (p >= 85) return Bar_Color::Yellow;
  return Bar_Color::Lime;
}

void Hide_Empty_Drive_Rows(Drive_Rows& rows, const Refresh_Inputs& inputs) {
  const int limit = inputs.Drive_Limit();
  if (limit <= 0) return;
  const std::size_t length = inputs.Monitored_Drive_Letters().size();
  const int last = std::min(limit, Drive_Row_Count);
  for (int i = 1; i <= last; ++i) {
    if (static_cast<std::size_t>(i) > length) Hide_Row(rows, i);
  }
  if (limit < Drive_Row_Count) Hide_Row(rows, limit + 1);
}

void Refresh_All_Drives(Drive_Rows& rows, const Refresh_Inputs& inputs, Disk_Queries& queries) {
  Hide_Empty_Drive_Rows(rows, inputs);

  int height = kEmptyWindowHeight;
  bool total_shown = false;
  queries.Totals() = Pass_Totals{};

  const std::string letters = inputs.Monitored_Drive_Letters();
  const int limit = std::min(inputs.Drive_Limit(), Drive_Row_Count);
  if (limit > 0) queries.Begin_Pass(std::string_view(letters).substr(0, limit));
  int slot = 1;
  for (; slot <= limit; ++slot) {
    std::string letter_text;
    std::uint8_t number = 0;
    if (static_cast<std::size_t>(slot) > letters.size()) {
      if (total_shown || !inputs.Show_Total()) break;
      total_shown = true;
      letter_text = "Tot";
      number = Total_Drive_Number;
    } else {
      char c = letters[static_cast<std::size_t>(slot) - 1];
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      letter_text.assign(1, c);
      number = static_cast<std::uint8_t>(String_To_Integer(Drive_Letter_To_Number(letter_text)));
    }
    height = Fill_Row(rows, slot, letter_text, number, queries);
  }
  // Every slot within the limit holds a drive: the row after them carries the
  // total, so that "Show Total of All Drives" still shows one with 26 drives.
  if (slot > limit && limit > 0 && limit < Drive_Row_Count && !total_shown && inputs.Show_Total()) {
    height = Fill_Row(rows, limit + 1, "Tot", Total_Drive_Number, queries);
  }

  if (rows.Client_Height() != height) rows.Set_Client_Height(height);
}

}  // namespace keldra::monitor
