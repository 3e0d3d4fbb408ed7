// The main window as the refresh pass sees it: 27 rows of three drawn controls found
// by name prefix and Tag, and the client height.
#include <QMenuBar>
#include <QResizeEvent>
#include <algorithm>

#include "ui/main_form_description.h"
#include "ui/qt/drawn_area.h"
#include "ui/qt/main_form.h"

namespace keldra::ui {

// --- the rows as the refresh pass sees them ---

int TMainForm1::Row_Control_Id(int row, monitor::Row_Control control) const {
  const std::size_t i = static_cast<std::size_t>(row - 1);
  switch (control) {
    case monitor::Row_Control::Label: return labels_.at(i);
    case monitor::Row_Control::Gauge: return gauges_.at(i);
    case monitor::Row_Control::Free: break;
  }
  return frees_.at(i);
}

void TMainForm1::Set_Visible(int row, monitor::Row_Control control, bool visible) {
  Client_Area->Controls().Set_Visible(Row_Control_Id(row, control), visible);
}

void TMainForm1::Set_Caption(int row, monitor::Row_Control control, std::string_view caption) {
  // The labels grow and shrink with their text.
  Client_Area->Controls().Set_Text(Row_Control_Id(row, control), std::string(caption), true, 0);
}

int TMainForm1::Set_Gauge_Progress(int row, int value) {
  return Client_Area->Controls().Set_Progress(Row_Control_Id(row, monitor::Row_Control::Gauge),
                                              value);
}

void TMainForm1::Set_Bar_Color(int row, monitor::Bar_Color color) {
  Client_Area->Controls().Set_Bar(Row_Control_Id(row, monitor::Row_Control::Gauge),
                                  Bar_Colour_Rgb(color));
}

int TMainForm1::Gauge_Top(int row) const {
  return Client_Area->Controls().Get(Row_Control_Id(row, monitor::Row_Control::Gauge)).box.top;
}

int TMainForm1::Gauge_Height(int row) const {
  return Client_Area->Controls().Get(Row_Control_Id(row, monitor::Row_Control::Gauge)).box.height;
}

int TMainForm1::Client_Height() const { return height() - Menu_Height(); }

void TMainForm1::Set_Client_Height(int h) { Resize_Window({width(), Menu_Height() + h}); }

void TMainForm1::Set_Client_Width(int width) {
  const int client = Client_Height();
  Resize_Window({width, height()});
  Resize_Window({width, Menu_Height() + client});  // a wrapped menu bar does not eat the rows
}

void TMainForm1::Resize_Window(QSize size) {
  const auto now = std::chrono::steady_clock::now();
  if (now > size_target_until_) sizes_asked_.clear();
  sizes_asked_.push_back(this->size());  // superseded: a late report of it is stale
  sizes_asked_.push_back(size_target_ = size);
  size_target_until_ = now + std::chrono::seconds(1);
  size_retries_ = 0;
  resize(size);
}

// Keldra asks for a size in steps (the width, then the rows' height), and a window
// manager may answer an earlier step, or report the size the window had before,
// after Keldra has asked for the next: then the last size asked for is asked for
// again, a few times at most and only shortly after. Any other size is the user's,
// and stands.
void TMainForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!event->spontaneous() || !isVisible() || size() == size_target_) return;
  // Maximised, minimised or full screen by the user: that size is meant.
  if (windowState() != Qt::WindowNoState) return;
  if (std::chrono::steady_clock::now() > size_target_until_ || size_retries_ >= 3) return;
  if (std::find(sizes_asked_.begin(), sizes_asked_.end(), size()) == sizes_asked_.end()) return;
  ++size_retries_;
  resize(size_target_);
}

}  // namespace keldra::ui
