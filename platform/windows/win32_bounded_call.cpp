#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/bounded_call.h"

namespace keldra::platform {

std::optional<std::string> Run_Bounded(const std::function<std::string()>& job,
                                       std::chrono::milliseconds wait) {
  // Shared with the worker, which may answer after the caller has gone on.
  struct Outcome {
    std::mutex mutex;
    std::condition_variable done_signal;
    bool done = false;
    std::optional<std::string> result;
  };
  auto outcome = std::make_shared<Outcome>();
  try {
    std::thread([outcome, job] {
      std::optional<std::string> result;
      try {
        result = job();
      } catch (...) {}
      {
        std::lock_guard lock(outcome->mutex);
        outcome->result = std::move(result);
        outcome->done = true;
      }
      outcome->done_signal.notify_all();
    }).detach();
  } catch (const std::system_error&) {
    return std::nullopt;
  }
  std::unique_lock lock(outcome->mutex);
  if (!outcome->done_signal.wait_for(lock, wait, [&] { return outcome->done; })) {
    return std::nullopt;
  }
  return outcome->result;
}

}  // namespace keldra::platform
