#include "ui/animation_timing.h"

#include <algorithm>

namespace keldra::ui {

std::vector<int> Frame_Delays_Ms(const std::vector<unsigned>& listed, std::size_t frames) {
  std::vector<int> delays(frames, 100);
  if (listed.empty()) return delays;
  for (std::size_t f = 0; f < frames; ++f) {
    const unsigned hundredths = f < listed.size() && listed[f] != 0 ? listed[f] : listed[0];
    delays[f] = static_cast<int>(std::min(hundredths, 100000u)) * 10;
  }
  return delays;
}

int Frame_Wait_Ms(int delay_ms) { return std::max(delay_ms, 10); }

std::optional<int> Animation_Clock::Next(int frame) {
  const int next = (frame + 1) % std::max(frames_, 1);
  if (next == 0 && loop_count_ > 0 && ++loops_done_ >= loop_count_) return std::nullopt;
  return next;
}

}  // namespace keldra::ui
