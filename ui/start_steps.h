#pragma once
// Start-up's steps, stamped for the breakdown bench/start_breakdown.sh prints. Only
// a build configured with -DKELDRA_START_STEPS=ON stamps them (on stderr, as
// "keldra-step <name> <CLOCK_MONOTONIC ns>"); in every other build a step is nothing.
#ifdef KELDRA_START_STEPS
#include <chrono>
#include <cstdio>
#endif

namespace keldra::ui {

#ifdef KELDRA_START_STEPS
// steady_clock is CLOCK_MONOTONIC with the GNU library, as the breakdown's clock.
inline void Start_Step(const char* name) {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  std::fprintf(stderr, "keldra-step %s %lld\n", name,
               static_cast<long long>(std::chrono::nanoseconds(now).count()));
  std::fflush(stderr);
}
#else
inline void Start_Step(const char*) {}
#endif

}  // namespace keldra::ui
