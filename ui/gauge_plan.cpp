#include "ui/gauge_plan.h"

#include <algorithm>
#include <cmath>

namespace keldra::ui {

int Gauge_Value(int value) { return std::clamp(value, 0, 100); }

Gauge_Plan Plan_Gauge(int width, int height, int value, std::uint32_t bar_rgb) {
  Gauge_Plan plan;
  plan.value = Gauge_Value(value);
  plan.bar_rgb = bar_rgb;
  plan.whole = {0, 0, width, height};
  if (width < 2 || height < 2) return plan;
  plan.inside = {1, 1, width - 2, height - 2};
  // The bar ends before column c = round(value * (width - 1) / 100), within the border.
  const int c =
      std::min(static_cast<int>(std::lround(plan.value * (width - 1) / 100.0)), width - 1);
  if (c >= 2) plan.bar = {1, 1, c - 1, height - 2};
  plan.text = std::to_string(plan.value) + '%';
  return plan;
}

Point Gauge_Text_Place(const Gauge_Plan& plan, int text_width, int text_height) {
  return {(plan.whole.width - 1 - text_width) / 2, (plan.whole.height - 1 - text_height) / 2};
}

}  // namespace keldra::ui
