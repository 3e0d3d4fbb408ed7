#include "ui/qt/refresh_timer.h"

#include <limits>

namespace keldra::ui {

Refresh_Timer::Refresh_Timer(const Timer_Description& d, QObject* parent)
    : QObject(parent), timer_(this), interval_(static_cast<std::uint32_t>(d.interval_ms)) {
  timer_.setObjectName(QString::fromStdString(d.name));
  timer_.setTimerType(Qt::CoarseTimer);
  connect(&timer_, &QTimer::timeout, this, &Refresh_Timer::Tick);
  Start();
}

void Refresh_Timer::Set_Interval(std::uint32_t interval) {
  interval_ = interval;
  Start();
}

void Refresh_Timer::Start() {
  if (interval_ == 0) {
    timer_.stop();
    return;
  }
  // Qt counts in a signed int: intervals past 24.8 days wait that long instead.
  constexpr auto kMax = static_cast<std::uint32_t>(std::numeric_limits<int>::max());
  timer_.start(static_cast<int>(interval_ > kMax ? kMax : interval_));
}

}  // namespace keldra::ui
