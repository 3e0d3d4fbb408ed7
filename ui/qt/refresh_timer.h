#pragma once
// Timer1: the refresh timer, with the window timer's rules. The interval is an
// unsigned count of milliseconds; 0 stops the ticks (a Qt timer of 0 would fire
// without pause); setting the interval it already has changes nothing; any other
// change restarts the count. Ticks never pile up.
#include <QObject>
#include <QTimer>
#include <cstdint>

namespace keldra::ui {

class Refresh_Timer : public QObject {
  Q_OBJECT

 public:
  explicit Refresh_Timer(QObject* parent = nullptr);
  std::uint32_t Interval() const { return interval_; }
  void Set_Interval(std::uint32_t interval);
  bool Running() const { return timer_.isActive(); }
  QTimer& Qt_Timer() { return timer_; }

 signals:
  void Tick();

 private:
  void Start();
  QTimer timer_;
  std::uint32_t interval_ = 30000;
};

}  // namespace keldra::ui
