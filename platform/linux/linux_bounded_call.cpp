#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
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

// Ends a whole answer: what came before it is the job's result. An answer cut short
// (the job threw, or the helper died) lacks it. The program need not wait for the
// helper's exit to know.
constexpr char Answer_End = '\x06';

// In the helper: runs the job and writes its answer to descriptor 3.
[[noreturn]] void Run_In_Helper(const std::function<std::string()>& job) {
  int code = 1;
  try {
    const std::string result = job() + Answer_End;
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

}  // namespace

struct Bounded_Job::State {
  std::string place;
  pid_t pid = -1;
  int fd = -1;  // the answer's end; -1 once taken, or when nothing was started
};

Bounded_Job::Bounded_Job(const std::function<std::string()>& job, const std::string& place)
    : state_(std::make_unique<State>()) {
  linux_impl::Reap_Stopped_Children();
  state_->place = place;
  if (!place.empty()) {
    std::lock_guard lock(places_mutex);
    const auto it = Stuck_Places().find(place);
    if (it != Stuck_Places().end()) {
      if (linux_impl::Still_Stuck(it->second)) return;
      Stuck_Places().erase(it);
    }
  }
  int pair[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return;
  const pid_t pid = linux_impl::Fork_Clean_Child(pair[1]);
  if (pid == 0) Run_In_Helper(job);
  close(pair[1]);
  if (pid < 0) {
    close(pair[0]);
    return;
  }
  state_->pid = pid;
  state_->fd = pair[0];
}

Bounded_Job::~Bounded_Job() {
  if (state_->fd < 0) return;
  close(state_->fd);
  linux_impl::Stop_Child(state_->pid);
}

bool Bounded_Job::Started() const { return state_->fd >= 0; }

bool Bounded_Job::Ready(std::chrono::milliseconds wait) const {
  if (state_->fd < 0) return false;
  pollfd p{state_->fd, POLLIN, 0};
  return poll(&p, 1, static_cast<int>(wait.count())) > 0;
}

std::optional<std::string> Bounded_Job::Answer(std::chrono::milliseconds wait) {
  State& s = *state_;
  if (s.fd < 0) return std::nullopt;
  std::string result;
  bool ended = false;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd p{s.fd, POLLIN, 0};
    const int n = poll(&p, 1, static_cast<int>(std::max<std::int64_t>(left.count(), 0)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    char buffer[65536];
    const ssize_t got = read(s.fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ended = got == 0;
      break;
    }
    result.append(buffer, static_cast<std::size_t>(got));
  }
  close(s.fd);
  s.fd = -1;
  if (!ended) {
    linux_impl::Stop_Child(s.pid);
    if (!s.place.empty() && linux_impl::Still_Stuck(s.pid)) {
      std::lock_guard lock(places_mutex);
      Stuck_Places()[s.place] = s.pid;
    }
    return std::nullopt;
  }
  // The child closed its end and is ending: it is reaped later, not waited for here
  // (its exit takes longer than the job did).
  linux_impl::Let_Child_End(s.pid);
  if (result.empty() || result.back() != Answer_End) return std::nullopt;
  result.pop_back();
  return result;
}

std::optional<std::string> Run_Bounded(const std::function<std::string()>& job,
                                       std::chrono::milliseconds wait, const std::string& place) {
  return Bounded_Job(job, place).Answer(wait);
}

}  // namespace keldra::platform
