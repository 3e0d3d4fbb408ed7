#include "platform/linux/bounded_statvfs.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace keldra::platform::linux_impl {
namespace {

// However many directories hang, no more helpers than this are ever left waiting.
constexpr std::size_t kMaxCallsInFlight = 32;

struct Answer {
  int ok = 0;
  struct statvfs st {};
};

// Waits for the pipe to have something to say; false when the time ran out.
bool Wait_Readable(int fd, std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd p{fd, POLLIN, 0};
    const int n = poll(&p, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
    if (n > 0) return true;
    if (n == 0) return false;
    if (errno != EINTR) return false;
  }
}

std::optional<struct statvfs> Read_Answer(int fd) {
  Answer a;
  const ssize_t n = read(fd, &a, sizeof a);
  if (n != static_cast<ssize_t>(sizeof a) || !a.ok) return std::nullopt;
  return a.st;
}

}  // namespace

Bounded_Statvfs::Bounded_Statvfs(std::chrono::milliseconds wait) : wait_(wait) {}

// Helpers still waiting are left to finish on their own; only their pipes go.
Bounded_Statvfs::~Bounded_Statvfs() {
  for (const auto& [dir, fd] : in_flight_) close(fd);
}

void Bounded_Statvfs::Collect_Answered() {
  for (auto it = in_flight_.begin(); it != in_flight_.end();) {
    pollfd p{it->second, POLLIN, 0};
    if (poll(&p, 1, 0) > 0) {  // answered at last (or gave up): the volume may be asked again
      close(it->second);
      it = in_flight_.erase(it);
    } else {
      ++it;
    }
  }
}

std::optional<struct statvfs> Bounded_Statvfs::Query(const std::string& directory) {
  Collect_Answered();
  if (in_flight_.count(directory) != 0 || in_flight_.size() >= kMaxCallsInFlight) {
    return std::nullopt;
  }
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
  const char* path = directory.c_str();
  const pid_t child = fork();
  if (child < 0) {
    close(fds[0]);
    close(fds[1]);
    return std::nullopt;
  }
  if (child == 0) {
    // Only async-signal-safe calls from here: the parent may have other threads.
    close(fds[0]);
    if (fork() != 0) _exit(0);  // the helper is the grandchild: nobody's zombie here
    Answer a;
    a.ok = statvfs(path, &a.st) == 0;
    (void)!write(fds[1], &a, sizeof a);
    _exit(0);
  }
  close(fds[1]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
  if (Wait_Readable(fds[0], wait_)) {
    std::optional<struct statvfs> answer = Read_Answer(fds[0]);
    close(fds[0]);
    return answer;
  }
  in_flight_[directory] = fds[0];
  ++waits_timed_out_;
  return std::nullopt;
}

int Bounded_Statvfs::Calls_In_Flight() {
  Collect_Answered();
  return static_cast<int>(in_flight_.size());
}

}  // namespace keldra::platform::linux_impl
