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

pid_t Fork_Clean_Child(std::initializer_list<int> kept) {
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
    // Out of the way first (from 10 up), so that no kept descriptor is overwritten
    // before it has been moved to its place.
    int moved[Max_Kept_Descriptors];
    int count = 0;
    for (const int fd : kept) {
      if (count == Max_Kept_Descriptors || (moved[count++] = fcntl(fd, F_DUPFD, 10)) < 0) _exit(1);
    }
    for (int std_fd = 0; std_fd < 3; ++std_fd) dup2(null_fd, std_fd);
    for (int i = 0; i < count; ++i) dup2(moved[i], 3 + i);
    const unsigned first_closed = 3 + static_cast<unsigned>(count);
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
