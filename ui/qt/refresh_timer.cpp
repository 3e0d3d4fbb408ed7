#include "ui/qt/refresh_timer.h"

#include "ui/main_form_behaviour.h"

namespace keldra::ui {

Refresh_Timer::Refresh_Timer(const Timer_Description& d, QObject* parent)
    : QObject(parent), timer_(this) {
  timer_.setObjectName(QString::fromStdString(d.name));
  timer_.setTimerType(Qt::CoarseTimer);
  connect(&timer_, &QTimer::timeout, this, &Refresh_Timer::Tick);
  Set_Period(Tick_Period(static_cast<std::uint32_t>(d.interval_ms)));
}

void Refresh_Timer::Set_Period(std::optional<int> period_ms) {
  if (period_ms) {
    timer_.start(*period_ms);
  } else {
    timer_.stop();
  }
}

}  // namespace keldra::ui
