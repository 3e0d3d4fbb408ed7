#pragma once
// Timer1: the refresh timer as the window's timer ticks. The interval is an
// unsigned count of milliseconds; 0 stops the ticks (a Qt timer of 0 would fire
// without pause); each interval it is given restarts the count (the behaviour
// gives it only new ones). Ticks never pile up.
#include <QObject>
#include <QTimer>
#include <cstdint>

#include "ui/window_description.h"

namespace keldra::ui {

class Refresh_Timer : public QObject {
  Q_OBJECT

 public:
  // Named and running at its described interval from the start.
  explicit Refresh_Timer(const Timer_Description& d, QObject* parent = nullptr);
  std::uint32_t Interval() const { return interval_; }
  void Set_Interval(std::uint32_t interval);
  bool Running() const { return timer_.isActive(); }
  QTimer& Qt_Timer() { return timer_; }

 signals:
  void Tick();

 private:
  void Start();
  QTimer timer_;
  std::uint32_t interval_;
};

}  // namespace keldra::ui
