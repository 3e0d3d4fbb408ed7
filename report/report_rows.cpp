#include "report/report_rows.h"

#include <algorithm>

namespace keldra::report {

using monitor::Row_Control;

Report_Rows::Report_Rows(std::string letters, bool show_total)
    : letters_(std::move(letters)), show_total_(show_total) {}

void Report_Rows::Set_Visible(int row, Row_Control control, bool visible) {
  Row& r = At(row);
  (control == Row_Control::Label   ? r.label_visible
   : control == Row_Control::Gauge ? r.gauge_visible
                                   : r.free_visible) = visible;
}

void Report_Rows::Set_Caption(int row, Row_Control control, std::string_view caption) {
  (control == Row_Control::Label ? At(row).label : At(row).free) = std::string(caption);
}

int Report_Rows::Set_Gauge_Progress(int row, int value) {
  return At(row).gauge = std::clamp(value, 0, 100);
}

void Report_Rows::Set_Bar_Color(int row, monitor::Bar_Color color) { At(row).color = color; }

// The window's layout: row N's gauge at 8 + 20 (N - 1), 17 pixels high.
int Report_Rows::Gauge_Top(int row) const { return 8 + 20 * (row - 1); }
int Report_Rows::Gauge_Height(int) const { return 17; }

std::string Report_Rows::Shown_Rows() const {
  std::string out;
  for (const Row& r : rows_) {
    if (!r.label_visible) continue;
    out += r.label + '\t' + std::to_string(r.gauge) + '\t' + monitor::Bar_Color_Name(r.color) +
           '\t' + r.free + '\n';
  }
  return out;
}

}  // namespace keldra::report
