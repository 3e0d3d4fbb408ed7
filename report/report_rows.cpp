#include "report/report_rows.h"

#include <algorithm>

namespace keldra::report {

using monitor::Row_Control;

Report_Rows::Report_Rows(std::string letters, bool show_total, const monitor::Disk_Queries* queries)
    : queries_(queries), letters_(std::move(letters)), show_total_(show_total) {}

void Report_Rows::Set_Visible(int row, Row_Control control, bool visible) {
  Row& r = At(row);
  (control == Row_Control::Label   ? r.label_visible
   : control == Row_Control::Gauge ? r.gauge_visible
                                   : r.free_visible) = visible;
}

void Report_Rows::Set_Caption(int row, Row_Control control, std::string_view caption) {
  (control == Row_Control::Label ? At(row).label : At(row).free) = std::string(caption);
  // The pass sets the size text straight after making it.
  if (control == Row_Control::Free && queries_ != nullptr) {
    figures_.at(static_cast<std::size_t>(row - 1)) = queries_->Last_Size_Figures();
  }
}

int Report_Rows::Set_Gauge_Progress(int row, int value) {
  return At(row).gauge = std::clamp(value, 0, 100);
}

void Report_Rows::Set_Bar_Color(int row, monitor::Bar_Color color) { At(row).color = color; }

// The window's layout: row N's gauge at 8 + 20 (N - 1), 17 pixels high.
int Report_Rows::Gauge_Top(int row) const { return 8 + 20 * (row - 1); }
int Report_Rows::Gauge_Height(int) const { return 17; }

std::vector<Shown_Row> Report_Rows::Shown() const {
  std::vector<Shown_Row> shown;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const Row& r = rows_[i];
    if (r.label_visible) {
      shown.push_back({r.label, r.gauge, r.color, r.free, figures_[i], i >= letters_.size()});
    }
  }
  return shown;
}

std::string Report_Rows::Shown_Rows() const {
  std::string out;
  for (const Shown_Row& r : Shown()) out += Row_Line(r) + '\n';
  return out;
}

std::string Row_Line(const Shown_Row& r) {
  return r.label + '\t' + std::to_string(r.gauge) + '\t' + monitor::Bar_Color_Name(r.color) + '\t' +
         r.text;
}

std::string Escape_Controls(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u != 0x7f) {
      out += c;
      continue;
    }
    out += '\\';
    for (const int shift : {6, 3, 0}) out += static_cast<char>('0' + ((u >> shift) & 7));
  }
  return out;
}

}  // namespace keldra::report
