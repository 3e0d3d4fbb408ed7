#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/bounded_call.h"
#include "platform/linux/clean_child.h"
#include "platform/linux/helper_answer.h"

namespace keldra::platform {

struct Bounded_Job::State {
  std::string place;
  pid_t pid = -1;
  int fd = -1;  // the answer's end; -1 once taken, or when nothing was started
  bool lives_on = false;
};

Bounded_Job::Bounded_Job(const std::function<std::string()>& job, const std::string& place)
    : state_(std::make_unique<State>()) {
  linux_impl::Reap_Stopped_Children();
  state_->place = place;
  if (linux_impl::Place_Stuck(place)) return;
  int pair[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return;
  const pid_t pid = linux_impl::Fork_Clean_Child({pair[1]});
  if (pid == 0) _exit(linux_impl::Write_Answer(3, job) ? 0 : 1);
  close(pair[1]);
  if (pid < 0) {
    close(pair[0]);
    return;
  }
  state_->pid = pid;
  state_->fd = pair[0];
}

Bounded_Job::Bounded_Job(Running_Helper helper, const std::string& place)
    : state_(std::make_unique<State>(State{place, helper.pid, helper.answer_fd, true})) {}

Bounded_Job::~Bounded_Job() {
  if (state_->fd < 0) return;
  close(state_->fd);
  if (!state_->lives_on) linux_impl::Stop_Child(state_->pid);
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
  const int fd = s.fd;
  s.fd = -1;
  return linux_impl::Take_Answer(s.pid, fd, wait, s.place, s.lives_on);
}

std::optional<std::string> Run_Bounded(const std::function<std::string()>& job,
                                       std::chrono::milliseconds wait, const std::string& place) {
  return Bounded_Job(job, place).Answer(wait);
}

}  // namespace keldra::platform
