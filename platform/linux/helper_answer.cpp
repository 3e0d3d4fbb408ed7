#include "platform/linux/helper_answer.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <map>
#include <mutex>

#include "platform/linux/clean_child.h"

namespace keldra::platform::linux_impl {
namespace {

std::mutex places_mutex;
// The helper last left stuck at each place.
std::map<std::string, pid_t>& Stuck_Places() {
  static std::map<std::string, pid_t> places;
  return places;
}

// Ends a whole answer: what came before it is the job's result. The program need
// not wait for the helper's exit to know.
constexpr char Answer_End = '\x06';

}  // namespace

bool Write_Answer(int fd, const std::function<std::string()>& job) {
  try {
    const std::string result = job() + Answer_End;
    const char* p = result.data();
    std::size_t left = result.size();
    while (left > 0) {
      const ssize_t n = send(fd, p, left, MSG_NOSIGNAL);  // a reader gone ends nothing
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      p += n;
      left -= static_cast<std::size_t>(n);
    }
    return true;
  } catch (...) {
    return false;
  }
}

bool Place_Stuck(const std::string& place) {
  if (place.empty()) return false;
  std::lock_guard lock(places_mutex);
  const auto it = Stuck_Places().find(place);
  if (it == Stuck_Places().end()) return false;
  if (Still_Stuck(it->second)) return true;
  Stuck_Places().erase(it);
  return false;
}

std::optional<std::string> Take_Answer(pid_t pid, int fd, std::chrono::milliseconds wait,
                                       const std::string& place, bool lives_on) {
  std::string result;
  bool ended = false;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd p{fd, POLLIN, 0};
    const int n = poll(&p, 1, static_cast<int>(std::max<std::int64_t>(left.count(), 0)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    char buffer[65536];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ended = got == 0;
      break;
    }
    result.append(buffer, static_cast<std::size_t>(got));
  }
  close(fd);
  if (!ended) {
    Stop_Child(pid);
    if (!place.empty() && Still_Stuck(pid)) {
      std::lock_guard lock(places_mutex);
      Stuck_Places()[place] = pid;
    }
    return std::nullopt;
  }
  // The child closed its end and is ending: it is reaped later, not waited for here
  // (its exit takes longer than the job did).
  if (!lives_on) Let_Child_End(pid);
  if (result.empty() || result.back() != Answer_End) return std::nullopt;
  result.pop_back();
  return result;
}

}  // namespace keldra::platform::linux_impl
