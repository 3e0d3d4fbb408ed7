#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <map>
#include <mutex>

#include "platform/bounded_call.h"
#include "platform/linux/clean_child.h"

namespace keldra::platform {

namespace {

std::mutex places_mutex;
// The helper last left stuck at each place.
std::map<std::string, pid_t>& Stuck_Places() {
  static std::map<std::string, pid_t> places;
  return places;
}

}  // namespace

std::optional<std::string> Run_Bounded(const std::function<std::string()>& job,
                                       std::chrono::milliseconds wait, const std::string& place) {
  if (!place.empty()) {
    std::lock_guard lock(places_mutex);
    const auto it = Stuck_Places().find(place);
    if (it != Stuck_Places().end()) {
      if (linux_impl::Still_Stuck(it->second)) return std::nullopt;
      Stuck_Places().erase(it);
    }
  }
  int pair[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return std::nullopt;
  const pid_t pid = linux_impl::Fork_Clean_Child(pair[1]);
  if (pid == 0) {
    int code = 1;
    try {
      const std::string result = job();
      const char* p = result.data();
      std::size_t left = result.size();
      code = 0;
      while (left > 0) {
        const ssize_t n = write(3, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
          code = 1;
          break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
      }
    } catch (...) {
      code = 1;
    }
    _exit(code);
  }
  close(pair[1]);
  if (pid < 0) {
    close(pair[0]);
    return std::nullopt;
  }
  std::string result;
  bool ended = false;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd p{pair[0], POLLIN, 0};
    const int n = poll(&p, 1, static_cast<int>(left.count()));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    char buffer[65536];
    const ssize_t got = read(pair[0], buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ended = got == 0;
      break;
    }
    result.append(buffer, static_cast<std::size_t>(got));
  }
  close(pair[0]);
  if (!ended) {
    linux_impl::Stop_Child(pid);
    if (!place.empty() && linux_impl::Still_Stuck(pid)) {
      std::lock_guard lock(places_mutex);
      Stuck_Places()[place] = pid;
    }
    return std::nullopt;
  }
  // The answer is whole once the child closed its end; it has exited or is about to.
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return result;
}

}  // namespace keldra::platform
