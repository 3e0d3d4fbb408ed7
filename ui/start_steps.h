#pragma once
// Start-up's steps, stamped for the breakdown bench/start_breakdown.sh prints. Only
// a build configured with -DKELDRA_START_STEPS=ON stamps them (on stderr, as
// "keldra-step <name> <CLOCK_MONOTONIC ns>"); in every other build a step is nothing.
#ifdef KELDRA_START_STEPS
#include <chrono>
#include <cstdio>
#endif

namespace keldra::ui {

// The steps both faces stamp, by their names in the breakdown.
namespace start_step {
inline constexpr const char* Main = "main";  // the program's own code begins
inline constexpr const char* Services = "services";
inline constexpr const char* Rows_Built = "rows_built";
inline constexpr const char* Windows_Built = "windows_built";
inline constexpr const char* Shown = "shown";  // the show sequence has run
}  // namespace start_step

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
