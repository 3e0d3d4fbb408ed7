#pragma once
// Timer1: the refresh timer as the window's timer ticks, at the period the behaviour
// gives it (none stops it); each period given restarts the count. Ticks never pile up.
#include <QObject>
#include <QTimer>
#include <optional>

#include "ui/window_description.h"

namespace keldra::ui {

class Refresh_Timer : public QObject {
  Q_OBJECT

 public:
  // Named and running at its described interval from the start.
  explicit Refresh_Timer(const Timer_Description& d, QObject* parent = nullptr);
  void Set_Period(std::optional<int> period_ms);
  bool Running() const { return timer_.isActive(); }
  QTimer& Qt_Timer() { return timer_; }

 signals:
  void Tick();

 private:
  QTimer timer_;
};

}  // namespace keldra::ui
