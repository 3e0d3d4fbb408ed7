#pragma once
// Waits for a condition the code under test brings about in its own time (another
// process, a worker thread, a server coming back), checking every 20 ms. The
// minute it allows is no measure of speed: it only keeps a broken test from
// hanging, far beyond what any step takes on a busy machine.
#include <chrono>
#include <functional>
#include <thread>

namespace keldra::test {

inline bool Wait_Until(const std::function<bool()>& done) {
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (!done()) {
    if (std::chrono::steady_clock::now() > give_up) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace keldra::test
