#include <map>
#include <memory>
#include <mutex>

#include "platform/bounded_call.h"
#include "platform/windows/win32_threads.h"

namespace keldra::platform {

namespace {

// Shared with the worker, which may answer after the caller has gone on.
struct Outcome {
  win32_impl::Win32_Lock lock;
  win32_impl::Win32_Condition done_signal;
  bool done = false;
  std::optional<std::string> result;
};

win32_impl::Win32_Lock places_lock;
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
    std::lock_guard lock(places_lock);
    const auto it = Stuck_Places().find(place);
    if (it != Stuck_Places().end()) {
      std::lock_guard done_lock(it->second->lock);
      if (!it->second->done) return;
      Stuck_Places().erase(it);
    }
  }
  auto outcome = std::make_shared<Outcome>();
  const bool started = win32_impl::Start_Detached([outcome, job] {
    std::optional<std::string> result;
    try {
      result = job();
    } catch (...) {}
    {
      std::lock_guard lock(outcome->lock);
      outcome->result = std::move(result);
      outcome->done = true;
    }
    outcome->done_signal.Notify_All();
  });
  if (started) state_->outcome = std::move(outcome);
}

// A worker cannot be stopped: one never waited for finishes on its own.
Bounded_Job::~Bounded_Job() = default;

bool Bounded_Job::Started() const { return state_->outcome != nullptr; }

bool Bounded_Job::Ready(std::chrono::milliseconds wait) const {
  if (!state_->outcome) return false;
  Outcome& outcome = *state_->outcome;
  std::unique_lock lock(outcome.lock);
  return outcome.done_signal.Wait_Until(outcome.lock, std::chrono::steady_clock::now() + wait,
                                        [&] { return outcome.done; });
}

std::optional<std::string> Bounded_Job::Answer(std::chrono::milliseconds wait) {
  const std::shared_ptr<Outcome> outcome = std::move(state_->outcome);
  if (!outcome) return std::nullopt;
  std::unique_lock lock(outcome->lock);
  if (!outcome->done_signal.Wait_Until(outcome->lock, std::chrono::steady_clock::now() + wait,
                                       [&] { return outcome->done; })) {
    lock.unlock();
    if (!state_->place.empty()) {
      std::lock_guard held(places_lock);
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
