#pragma once
// The bounded jobs a program knows it runs first (reading its own files beside it)
// started together at its very start, in one helper: their answers are ready by the
// time they are asked for, while the program starts its toolkit, and the folder is
// asked once instead of once a file.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace keldra::platform {

struct Early_Job {
  std::string key;  // what the job is asked for by, in Run_Bounded_Early
  std::function<std::string()> job;
  std::string place;  // the folder it looks at (see Run_Bounded)
};

// Whether the spare helpers (Start_Spare_Helpers) start with the early jobs, the
// first place's jobs done in the same helper.
enum class Spare_Helpers { Apart, Along };

// Starts the jobs, in their order, one helper for each place. On Linux a helper is
// a copy of the process, made cheaply while the process is small: call this first,
// before the toolkit and before any thread starts.
void Start_Early_Jobs(const std::vector<Early_Job>& jobs,
                      Spare_Helpers spare = Spare_Helpers::Apart);

// As Run_Bounded; but when a job under key was started early and its answer not yet
// taken, that answer, waited for at most for wait (nothing when it did not come).
std::optional<std::string> Run_Bounded_Early(const std::string& key,
                                             const std::function<std::string()>& job,
                                             std::chrono::milliseconds wait,
                                             const std::string& place);

// Drops the answers at place not yet taken: called before a change there (a write),
// after which they may no longer be true.
void Drop_Early_Answers(const std::string& place);

// Forgets the early jobs not yet asked for (for tests).
void Forget_Early_Jobs();

}  // namespace keldra::platform
