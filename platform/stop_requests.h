#pragma once
// A command-line program that runs until it is told to stop (keldra-report --watch):
// Ctrl+C, SIGTERM or SIGHUP on Linux (a console's Ctrl+C, Ctrl+Break or closing on
// Windows), or the reader of its output gone.
#include <chrono>
#include <memory>

namespace keldra::platform {

class Stop_Requests {
 public:
  // Catches those requests from now on. A write to a pipe whose reader has gone then
  // fails (the caller ends on it) instead of killing the program.
  Stop_Requests();
  ~Stop_Requests();
  Stop_Requests(const Stop_Requests&) = delete;
  Stop_Requests& operator=(const Stop_Requests&) = delete;

  // Waits at most that long; true once a stop has been asked for, at once if it
  // comes meanwhile.
  bool Wait(std::chrono::milliseconds wait);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace keldra::platform
