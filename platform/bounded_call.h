#pragma once
// Work that may touch a volume that never answers (the settings folder on a dead
// network share, a PATH entry on a stalled mount), done where a stuck call cannot
// hold up the caller: a helper process on Linux, where a call stuck in the kernel
// cannot be interrupted, a worker thread on Windows. The caller waits once, at most
// for the wait given.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace keldra::platform {

// Long enough for a healthy network volume, which answers within a few hundred
// milliseconds even over a slow link; short enough that a hung one stalls the
// window noticeably less than two seconds, once.
inline constexpr std::chrono::milliseconds Volume_Wait{1500};

// Runs job elsewhere and answers what it returned, or nothing when it did not
// finish within the wait (or could not be started, or failed by exception). On
// Linux the job runs in a copy of the process: it must not rely on other threads,
// and what it changes in memory is not seen here; only its result comes back. On
// Windows it may run on after the wait: it must own what it uses (capture by value).
//
// place names what the job touches (a folder): while an earlier job there is still
// stuck, a new one is not started and answers nothing at once, so that a folder that
// has stopped answering costs one wait, not one for each of its files.
std::optional<std::string> Run_Bounded(const std::function<std::string()>& job,
                                       std::chrono::milliseconds wait,
                                       const std::string& place = std::string());

// The same in two halves: the job starts as this is made and runs while the caller
// does other work; Answer then waits for it, at most for the wait given, once. A
// job whose answer is never asked for is stopped.
class Bounded_Job {
 public:
  Bounded_Job(const std::function<std::string()>& job, const std::string& place = std::string());
  // Linux: a job a helper process was started with, answering on answer_fd, which it
  // closes once it has answered. The helper then lives on for other work: only an
  // answer that does not come stops it.
  struct Running_Helper {
    int pid = -1;
    int answer_fd = -1;
  };
  Bounded_Job(Running_Helper helper, const std::string& place);
  ~Bounded_Job();
  Bounded_Job(const Bounded_Job&) = delete;
  Bounded_Job& operator=(const Bounded_Job&) = delete;

  std::optional<std::string> Answer(std::chrono::milliseconds wait);
  // Whether the job was started at all (not at a place still stuck, nor refused by
  // the system), and whether its answer, or its end, has come: then Answer does not wait
  // on the job. Ready waits for it at most as long as it is told; Started never waits.
  bool Started() const;
  bool Ready(std::chrono::milliseconds wait = {}) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace keldra::platform
