#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/bounded_call.h"

namespace keldra::platform {

namespace {

// Shared with the worker, which may answer after the caller has gone on.
struct Outcome {
  std::mutex mutex;
  std::condition_variable done_signal;
  bool done = false;
  std::optional<std::string> result;
};

std::mutex places_mutex;
// The worker last left stuck at each place.
std::map<std::string, std::shared_ptr<Outcome>>& Stuck_Places() {
  static std::map<std::string, std::shared_ptr<Outcome>> places;
  return places;
}

}  // namespace

struct Bounded_Job::State {
  std::string place;
  std::shared_ptr<Outcome> outcome;  // none when nothing was started
};

Bounded_Job::Bounded_Job(const std::function<std::string()>& job, const std::string& place)
    : state_(std::make_unique<State>()) {
  state_->place = place;
  if (!place.empty()) {
    std::lock_guard lock(places_mutex);
    const auto it = Stuck_Places().find(place);
    if (it != Stuck_Places().end()) {
      std::lock_guard done_lock(it->second->mutex);
      if (!it->second->done) return;
      Stuck_Places().erase(it);
    }
  }
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
    return;
  }
  state_->outcome = std::move(outcome);
}

// A worker cannot be stopped: one never waited for finishes on its own.
Bounded_Job::~Bounded_Job() = default;

std::optional<std::string> Bounded_Job::Answer(std::chrono::milliseconds wait) {
  const std::shared_ptr<Outcome> outcome = std::move(state_->outcome);
  if (!outcome) return std::nullopt;
  std::unique_lock lock(outcome->mutex);
  if (!outcome->done_signal.wait_for(lock, wait, [&] { return outcome->done; })) {
    lock.unlock();
    if (!state_->place.empty()) {
      std::lock_guard places_lock(places_mutex);
      Stuck_Places()[state_->place] = outcome;
    }
    return std::nullopt;
  }
  return outcome->result;
}

std::optional<std::string> Run_Bounded(const std::function<std::string()>& job,
                                       std::chrono::milliseconds wait, const std::string& place) {
  return Bounded_Job(job, place).Answer(wait);
}

}  // namespace keldra::platform
