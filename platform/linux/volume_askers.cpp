#include "platform/linux/volume_askers.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace keldra::platform::linux_impl {
namespace {

// A question: how many paths, how many bytes of NUL-ended paths follow.
struct Request_Header {
  std::uint32_t count = 0;
  std::uint32_t bytes = 0;
};

struct Wire_Space {
  std::uint32_t ok = 0;
  std::uint32_t unused = 0;
  std::uint64_t unit = 0, blocks = 0, blocks_free = 0, blocks_available = 0;
};

// One pass asks at most every letter's path of a volume.
constexpr std::uint32_t kMaxPaths = 26;
constexpr std::uint32_t kMaxRequestBytes = kMaxPaths * 4097;

struct Answer {
  std::int64_t done_ns = 0;  // when the helper had its answers, on the monotonic clock
  std::uint32_t count = 0;
  std::uint32_t unused = 0;
  Wire_Space spaces[kMaxPaths];
};

std::int64_t Monotonic_Ns() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

bool Read_All(int fd, void* data, std::size_t size) {
  auto* p = static_cast<char*>(data);
  while (size > 0) {
    const ssize_t n = read(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool Write_All(int fd, const void* data, std::size_t size) {
  const auto* p = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = send(fd, p, size, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// The helper's whole life, after fork: only calls that are safe in a child of a
// process with other threads (no allocation, no locks).
[[noreturn]] void Serve(int fd) {
  static char request[kMaxRequestBytes + 1];
  static Answer answer;
  for (;;) {
    Request_Header header;
    if (!Read_All(fd, &header, sizeof header)) _exit(0);
    if (header.count > kMaxPaths || header.bytes > kMaxRequestBytes) _exit(1);
    if (!Read_All(fd, request, header.bytes)) _exit(0);
    request[header.bytes] = '\0';
    const char* path = request;
    for (std::uint32_t i = 0; i < header.count; ++i) {
      struct statfs st;
      Wire_Space& s = answer.spaces[i];
      s = Wire_Space{};
      if (path < request + header.bytes && statfs(path, &st) == 0) {
        s.ok = 1;
        s.unit = static_cast<std::uint64_t>(st.f_frsize != 0 ? st.f_frsize : st.f_bsize);
        s.blocks = st.f_blocks;
        s.blocks_free = st.f_bfree;
        s.blocks_available = st.f_bavail;
      }
      path += std::strlen(path) + 1;
    }
    answer.count = header.count;
    answer.done_ns = Monotonic_Ns();
    if (!Write_All(fd, &answer, sizeof answer)) _exit(0);
  }
}

}  // namespace

Volume_Askers::~Volume_Askers() {
  for (auto& [volume, helper] : helpers_) Stop(helper);
}

bool Volume_Askers::Start(Helper& h) {
  int pair[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return false;
  const int null_fd = open("/dev/null", O_RDWR | O_CLOEXEC);
  const pid_t parent = getpid();
  const pid_t pid = null_fd < 0 ? -1 : fork();
  if (pid == 0) {
    // Dies with the program; and holds nothing of it: no standard streams (a pipe
    // reading the program's output must see its end), no other descriptor.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(0);
    const int fd = fcntl(pair[1], F_DUPFD, 10);
    if (fd < 0) _exit(1);
    for (int std_fd = 0; std_fd < 3; ++std_fd) dup2(null_fd, std_fd);
    dup2(fd, 3);
    if (close_range(4, ~0U, 0) != 0) {
      for (int other = 4; other < 65536; ++other) close(other);
    }
    Serve(3);
  }
  close(pair[1]);
  if (null_fd >= 0) close(null_fd);
  if (pid < 0) {
    close(pair[0]);
    return false;
  }
  h.pid = pid;
  h.socket = pair[0];
  return true;
}

void Volume_Askers::Stop(Helper& h) {
  if (h.socket >= 0) close(h.socket);
  if (h.pid > 0) {
    kill(h.pid, SIGKILL);
    // One stuck in a volume dies when the volume lets go of it: not waited for
    // here, but reaped by a later call once it has.
    if (waitpid(h.pid, nullptr, WNOHANG) == 0) stopped_.push_back(h.pid);
  }
  h.socket = -1;
  h.pid = -1;
}

bool Volume_Askers::Send(Helper& h, const std::vector<std::string>& paths) {
  std::string payload;
  std::uint32_t count = 0;
  for (const std::string& p : paths) {
    if (count == kMaxPaths || payload.size() + p.size() + 1 > kMaxRequestBytes) break;
    payload += p;
    payload += '\0';
    ++count;
  }
  const Request_Header header{count, static_cast<std::uint32_t>(payload.size())};
  if (!Write_All(h.socket, &header, sizeof header) ||
      !Write_All(h.socket, payload.data(), payload.size())) {
    return false;
  }
  h.asked.assign(paths.begin(), paths.begin() + count);
  h.outstanding = true;
  h.sent_ns = Monotonic_Ns();
  return true;
}

bool Volume_Askers::Receive(Helper& h) {
  Answer answer;
  if (!Read_All(h.socket, &answer, sizeof answer) || answer.count != h.asked.size()) return false;
  h.outstanding = false;
  // A volume that took longer than a wait is not waited for next time.
  h.slow = answer.done_ns - h.sent_ns >
           std::chrono::duration_cast<std::chrono::nanoseconds>(wait_).count();
  for (std::size_t i = 0; i < h.asked.size(); ++i) {
    const Wire_Space& s = answer.spaces[i];
    h.late[h.asked[i]] = s.ok ? std::optional<Volume_Space>(Volume_Space{
                                    s.unit, s.blocks, s.blocks_free, s.blocks_available})
                              : std::nullopt;
  }
  h.asked.clear();
  return true;
}

void Volume_Askers::Collect_Late_Answers() {
  std::erase_if(stopped_, [](int pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
  for (auto it = helpers_.begin(); it != helpers_.end();) {
    Helper& h = it->second;
    if (h.socket < 0) {  // stopped during the last wait
      it = helpers_.erase(it);
      continue;
    }
    pollfd p{h.socket, POLLIN, 0};
    const bool ready = h.outstanding && poll(&p, 1, 0) > 0;
    if (ready && !Receive(h)) {  // the helper is gone: a new one next time
      Stop(h);
      it = helpers_.erase(it);
      continue;
    }
    ++it;
  }
}

std::map<std::string, std::optional<Volume_Space>> Volume_Askers::Ask(
    const std::vector<Volume_Question>& questions) {
  std::map<std::string, std::optional<Volume_Space>> answers;
  Collect_Late_Answers();

  std::map<std::string, std::vector<std::string>> by_volume;
  for (const Volume_Question& q : questions) {
    auto& paths = by_volume[q.volume];
    if (std::find(paths.begin(), paths.end(), q.path) == paths.end()) paths.push_back(q.path);
    answers[q.path] = std::nullopt;
  }
  auto take_late = [&answers](Helper& h) {
    for (auto it = h.late.begin(); it != h.late.end();) {
      if (answers.count(it->first) != 0) {
        answers[it->first] = it->second;
        it = h.late.erase(it);
      } else {
        ++it;
      }
    }
  };

  std::vector<Helper*> waited;
  for (const auto& [volume, paths] : by_volume) {
    auto found = helpers_.find(volume);
    if (found == helpers_.end()) {
      if (static_cast<int>(helpers_.size()) >= Max_Volume_Askers) continue;
      found = helpers_.emplace(volume, Helper{}).first;
      if (!Start(found->second)) {
        helpers_.erase(found);
        continue;
      }
    }
    Helper& h = found->second;
    take_late(h);
    if (h.outstanding) continue;  // never a second question while one is out
    if (!Send(h, paths)) {
      Stop(h);
      helpers_.erase(found);
      continue;
    }
    if (!h.slow) waited.push_back(&h);
  }

  // One wait for all of them together.
  const auto deadline = std::chrono::steady_clock::now() + wait_;
  for (;;) {
    std::vector<pollfd> fds;
    std::vector<Helper*> polled;
    for (Helper* h : waited) {
      if (!h->outstanding || h->socket < 0) continue;
      fds.push_back({h->socket, POLLIN, 0});
      polled.push_back(h);
    }
    if (fds.empty()) break;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    const int n = poll(fds.data(), fds.size(), static_cast<int>(left.count()));
    if (n < 0 && errno != EINTR) break;
    for (std::size_t i = 0; n > 0 && i < fds.size(); ++i) {
      if (fds[i].revents == 0) continue;
      if (Receive(*polled[i])) {
        take_late(*polled[i]);
      } else {
        Stop(*polled[i]);  // erased from the map at the next collection
        polled[i]->outstanding = false;
      }
    }
  }
  bool missed = false;
  for (Helper* h : waited) {
    if (h->outstanding) {
      h->slow = true;
      missed = true;
    }
  }
  if (missed) ++waits_timed_out_;
  return answers;
}

int Volume_Askers::Calls_In_Flight() const {
  int n = 0;
  for (const auto& [volume, h] : helpers_) n += h.outstanding ? 1 : 0;
  return n;
}

}  // namespace keldra::platform::linux_impl
