#pragma once
// The main window's client area, which draws its labels and gauges itself: one
// widget rather than one for each of the 83 (made, laid out and painted one by one,
// they were most of the window's start), each painted exactly as its label or gauge
// painted itself. Double-clicks and hints go by place.
#include <QLabel>
#include <QWidget>
#include <functional>

#include "ui/drawn_controls.h"

namespace keldra::ui {

class Drawn_Area : public QWidget {
 public:
  // run takes a double-click's command: the control's under the pointer, or the
  // background's.
  Drawn_Area(QWidget* parent, const Window_Description& described, std::function<void(int)> run);

  Drawn_Controls& Controls() { return controls_; }
  const Drawn_Controls& Controls() const { return controls_; }
  // A control by its described name (for a look from outside, as a test's).
  const Drawn_Control* Named(const std::string& name) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QFont Font_Of(const Drawn_Control& c) const;

  const Window_Description& described_;
  std::function<void(int)> run_;
  QLabel measure_;  // never shown: a label's size as a label would take it
  Drawn_Controls controls_;
#ifdef KELDRA_START_STEPS
  bool painted_ = false;
#endif
};

}  // namespace keldra::ui
