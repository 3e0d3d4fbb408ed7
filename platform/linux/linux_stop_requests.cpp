#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/linux/signal_pipe.h"
#include "platform/stop_requests.h"

namespace keldra::platform {

struct Stop_Requests::State {
  int read_end = -1;
  bool stopped = false;
};

Stop_Requests::Stop_Requests() : state_(std::make_unique<State>()) {
  state_->read_end = linux_impl::Pipe_For_Signals({SIGTERM, SIGINT, SIGHUP});
  signal(SIGPIPE, SIG_IGN);
}

Stop_Requests::~Stop_Requests() {
  if (state_->read_end >= 0) close(state_->read_end);
}

bool Stop_Requests::Wait(std::chrono::milliseconds wait) {
  if (state_->stopped) return true;
  // Standard output is polled for nothing but its errors: a pipe whose reader has
  // gone reports one at once, so the program ends without a write to find out.
  pollfd fds[2] = {{state_->read_end, POLLIN, 0}, {STDOUT_FILENO, 0, 0}};
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    const int n = poll(fds, 2, static_cast<int>(std::max<long long>(left.count(), 0)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    if ((fds[0].revents & POLLIN) != 0 || (fds[1].revents & (POLLERR | POLLHUP)) != 0) {
      state_->stopped = true;
      return true;
    }
    return false;
  }
}

}  // namespace keldra::platform
