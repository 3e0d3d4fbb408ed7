#include "platform/linux/clean_child.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <mutex>
#include <vector>

namespace keldra::platform::linux_impl {
namespace {

std::mutex stopped_mutex;
std::vector<pid_t>& Stopped() {
  static std::vector<pid_t> stopped;
  return stopped;
}
// Children that answered and are ending by themselves: no volume holds them.
std::vector<pid_t>& Ending() {
  static std::vector<pid_t> ending;
  return ending;
}

}  // namespace

pid_t Fork_Clean_Child(int answer_fd, int signal_fd) {
  const int null_fd = open("/dev/null", O_RDWR | O_CLOEXEC);
  if (null_fd < 0) return -1;
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(0);
    // The program saves at a SIGTERM or SIGHUP; a helper simply ends.
    signal(SIGTERM, SIG_DFL);
    signal(SIGHUP, SIG_DFL);
    const int fd = fcntl(answer_fd, F_DUPFD, 10);
    const int signal = signal_fd < 0 ? -1 : fcntl(signal_fd, F_DUPFD, 10);
    if (fd < 0 || (signal_fd >= 0 && signal < 0)) _exit(1);
    for (int std_fd = 0; std_fd < 3; ++std_fd) dup2(null_fd, std_fd);
    dup2(fd, 3);
    if (signal >= 0) dup2(signal, 4);
    const unsigned first_closed = signal >= 0 ? 5 : 4;
    if (close_range(first_closed, ~0U, 0) != 0) {
      for (int other = static_cast<int>(first_closed); other < 65536; ++other) close(other);
    }
    return 0;
  }
  close(null_fd);
  return pid;
}

void Stop_Child(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGKILL);
  if (waitpid(pid, nullptr, WNOHANG) != 0) return;
  std::lock_guard lock(stopped_mutex);
  Stopped().push_back(pid);
}

void Let_Child_End(pid_t pid) {
  if (pid <= 0 || waitpid(pid, nullptr, WNOHANG) != 0) return;
  std::lock_guard lock(stopped_mutex);
  Ending().push_back(pid);
}

void Reap_Stopped_Children() {
  std::lock_guard lock(stopped_mutex);
  std::erase_if(Stopped(), [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
  std::erase_if(Ending(), [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

int Stopped_Children() {
  Reap_Stopped_Children();
  std::lock_guard lock(stopped_mutex);
  return static_cast<int>(Stopped().size());
}

bool Still_Stuck(pid_t pid) {
  Reap_Stopped_Children();
  std::lock_guard lock(stopped_mutex);
  return std::find(Stopped().begin(), Stopped().end(), pid) != Stopped().end();
}

}  // namespace keldra::platform::linux_impl
