#include "tests/fakes/recording_rows.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace keldra::test {

using monitor::Row_Control;

namespace {
const char* Name(Row_Control c) {
  return c == Row_Control::Label ? "label" : c == Row_Control::Gauge ? "gauge" : "free";
}
}  // namespace

void Recording_Rows::Set_Visible(int row, Row_Control control, bool visible) {
  EXPECT_GE(row, 1);
  EXPECT_LE(row, monitor::Drive_Row_Count);
  Row& r = At(row);
  (control == Row_Control::Label   ? r.label_visible
   : control == Row_Control::Gauge ? r.gauge_visible
                                   : r.free_visible) = visible;
  log.push_back((visible ? "show " : "hide ") + std::string(Name(control)) + " " +
                std::to_string(row));
}

void Recording_Rows::Set_Caption(int row, Row_Control control, std::string_view caption) {
  (control == Row_Control::Label ? At(row).label : At(row).free) = std::string(caption);
  log.push_back("caption " + std::string(Name(control)) + " " + std::to_string(row));
}

int Recording_Rows::Set_Gauge_Progress(int row, int value) {
  log.push_back("gauge " + std::to_string(row));
  return At(row).gauge = std::clamp(value, 0, 100);
}

void Recording_Rows::Set_Bar_Color(int row, monitor::Bar_Color color) {
  At(row).color = color;
  log.push_back("color " + std::to_string(row));
}

void Recording_Rows::Set_Client_Height(int height) {
  client_height = height;
  ++height_sets;
  log.push_back("height " + std::to_string(height));
}

std::vector<int> Recording_Rows::Shown() const {
  std::vector<int> shown;
  for (int i = 1; i <= monitor::Drive_Row_Count; ++i) {
    const Row& r = (*this)[i];
    EXPECT_EQ(r.label_visible, r.gauge_visible) << "row " << i;
    EXPECT_EQ(r.label_visible, r.free_visible) << "row " << i;
    if (r.label_visible) shown.push_back(i);
  }
  return shown;
}

}  // namespace keldra::test
