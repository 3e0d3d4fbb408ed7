#pragma once
// How a helper process hands one answer back to the program: the job's result, then
// an end mark, on a descriptor the helper closes after it. An answer cut short (the
// job threw, the helper died or was stopped) lacks the mark. A helper that has not
// answered within the wait is stopped, and the place it was stuck at remembered, so
// that a folder that has stopped answering costs one wait, not one for each file.
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace keldra::platform::linux_impl {

// In the helper: runs job and writes its answer to fd, a socket. False when the job threw or
// the answer could not be written whole.
bool Write_Answer(int fd, const std::function<std::string()>& job);

// Whether the helper last stopped at place is still stuck there: no new one is
// started there then.
bool Place_Stuck(const std::string& place);

// In the program: waits at most wait for the helper's answer on fd, then closes fd.
// A helper that did not answer is stopped. One that answered ends by itself and is
// reaped later, unless it lives on for other work (lives_on).
std::optional<std::string> Take_Answer(pid_t pid, int fd, std::chrono::milliseconds wait,
                                       const std::string& place, bool lives_on);

}  // namespace keldra::platform::linux_impl
