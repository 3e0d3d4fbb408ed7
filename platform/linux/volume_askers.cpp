#include "platform/linux/volume_askers.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/linux/clean_child.h"

namespace keldra::platform::linux_impl {
namespace {

// A question: how many paths, how many bytes of NUL-ended paths follow.
struct Request_Header {
  std::uint32_t count = 0;
  std::uint32_t bytes = 0;
  std::uint32_t real_paths = 0;  // whether each answer carries its real path
  std::uint32_t unused = 0;
};

// One answer a path.
struct Wire_Reply {
  std::uint32_t index;
  std::uint32_t found;
  std::uint32_t has_space;
  std::uint32_t real_length;
  std::uint32_t read_only;
  std::int64_t done_ns;
  std::uint64_t unit, blocks, blocks_free, blocks_available;
  std::uint64_t mount_id;
};

// One pass asks at most every letter's path of a volume.
constexpr std::uint32_t kMaxPaths = 26;

}  // namespace

// Where a helper leaves its answers, shared with the program: a slot a path of the
// question, marked ready once filled. No call a path, so asking costs the program
// nothing but the question and one wake-up.
struct Answer_Board {
  struct Slot {
    std::atomic<std::uint32_t> ready;
    Wire_Reply reply;
    char real_path[PATH_MAX];
  };
  Slot slots[kMaxPaths];
};

namespace {
constexpr std::uint32_t kMaxRequestBytes = kMaxPaths * (PATH_MAX + 1);

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

// The mount an open descriptor lies on, as the kernel recorded it at the open: no
// question to the volume.
std::uint64_t Mount_Id_Of(int fd) {
  struct statx st;
  if (statx(fd, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, STATX_MNT_ID, &st) != 0) return 0;
  return (st.stx_mask & STATX_MNT_ID) != 0 ? st.stx_mnt_id : 0;
}

// The helper's whole life, after fork: only calls that are safe in a child of a
// process with other threads (no allocation, no locks). The path is walked once,
// by open; everything else is asked of the opened descriptor. Each answer is left on
// the board as soon as it is known (so a helper stuck on one path has given the
// others); one byte on done says the whole question is answered: the program waits
// on that, and wakes once a question, not once a path.
[[noreturn]] void Serve(int fd, int done, Answer_Board* board) {
  static char request[kMaxRequestBytes + 1];
  for (;;) {
    Request_Header header;
    if (!Read_All(fd, &header, sizeof header)) _exit(0);
    if (header.count > kMaxPaths || header.bytes > kMaxRequestBytes) _exit(1);
    if (!Read_All(fd, request, header.bytes)) _exit(0);
    request[header.bytes] = '\0';
    const char* path = request;
    for (std::uint32_t i = 0; i < header.count; ++i) {
      Wire_Reply& reply = board->slots[i].reply;
      char* real_path = board->slots[i].real_path;
      reply = Wire_Reply{};
      reply.index = i;
      const int opened = path < request + header.bytes ? open(path, O_PATH | O_CLOEXEC) : -1;
      if (opened >= 0) {
        reply.found = 1;
        struct statfs st;
        if (fstatfs(opened, &st) == 0) {
          reply.has_space = 1;
          reply.unit = static_cast<std::uint64_t>(st.f_frsize != 0 ? st.f_frsize : st.f_bsize);
          reply.blocks = st.f_blocks;
          reply.blocks_free = st.f_bfree;
          reply.blocks_available = st.f_bavail;
          reply.read_only = (st.f_flags & ST_RDONLY) != 0 ? 1 : 0;
        }
        reply.mount_id = Mount_Id_Of(opened);
        if (header.real_paths != 0) {
          char link[64];
          std::snprintf(link, sizeof link, "/proc/self/fd/%d", opened);
          const ssize_t n = readlink(link, real_path, PATH_MAX);
          reply.real_length =
              n > 0 && n < static_cast<ssize_t>(PATH_MAX) ? static_cast<std::uint32_t>(n) : 0;
        }
        close(opened);
      }
      reply.done_ns = Monotonic_Ns();
      board->slots[i].ready.store(1, std::memory_order_release);
      path += std::strlen(path) + 1;
    }
    const char token = 1;
    while (write(done, &token, 1) < 0 && errno == EINTR) {}
  }
}

}  // namespace

std::int64_t Monotonic_Ns() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

Volume_Askers::~Volume_Askers() {
  for (auto& [key, helper] : helpers_) Stop(helper);
}

namespace {

// A helper's process and its channels, as Start_Spare_Volume_Asker left it.
struct Spare {
  int pid = -1, socket = -1, done = -1;
  Answer_Board* board = nullptr;
};
std::mutex spare_mutex;
std::optional<Spare> spare;

}  // namespace

void Start_Spare_Volume_Asker() {
  Spare s;
  if (!Volume_Askers::Start_Process(s.pid, s.socket, s.done, s.board)) return;
  std::lock_guard lock(spare_mutex);
  if (spare) return;  // one is enough; this one ends with the process
  spare = s;
}

bool Volume_Askers::Start(Helper& h) {
  {
    std::lock_guard lock(spare_mutex);
    if (spare) {
      h.pid = spare->pid;
      h.socket = spare->socket;
      h.done = spare->done;
      h.board = spare->board;
      spare.reset();
      return true;
    }
  }
  return Start_Process(h.pid, h.socket, h.done, h.board);
}

bool Volume_Askers::Start_Process(int& pid_out, int& socket, int& done_out,
                                  Answer_Board*& board_out) {
  int pair[2], done[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return false;
  if (pipe2(done, O_CLOEXEC | O_NONBLOCK) != 0) {
    close(pair[0]);
    close(pair[1]);
    return false;
  }
  void* board = mmap(nullptr, sizeof(Answer_Board), PROT_READ | PROT_WRITE,
                     MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  const pid_t pid = board == MAP_FAILED ? -1 : Fork_Clean_Child(pair[1], done[1]);
  if (pid == 0) {
    fcntl(4, F_SETFL, 0);  // the helper's own end blocks
    Serve(3, 4, static_cast<Answer_Board*>(board));
  }
  close(pair[1]);
  close(done[1]);
  if (pid < 0) {
    if (board != MAP_FAILED) munmap(board, sizeof(Answer_Board));
    close(pair[0]);
    close(done[0]);
    return false;
  }
  board_out = static_cast<Answer_Board*>(board);
  pid_out = pid;
  socket = pair[0];
  done_out = done[0];
  return true;
}

void Volume_Askers::Stop(Helper& h) {
  if (h.board != nullptr) munmap(h.board, sizeof(Answer_Board));
  h.board = nullptr;
  if (h.socket >= 0) close(h.socket);
  if (h.done >= 0) close(h.done);
  h.done = -1;
  Stop_Child(h.pid);
  h.socket = -1;
  h.pid = -1;
  h.unanswered.clear();
}

bool Volume_Askers::Send(const std::string& key, std::uint64_t mount_id,
                         const std::vector<std::string>& paths, bool real_paths) {
  Reap_Stopped_Children();
  auto found = helpers_.find(key);
  if (found != helpers_.end() && !found->second.unanswered.empty()) return false;
  if (found == helpers_.end()) {
    if (Helpers_Alive() >= Max_Volume_Askers) {
      // Room for a new volume: the helper asked least lately that has nothing out.
      auto idle = helpers_.end();
      for (auto it = helpers_.begin(); it != helpers_.end(); ++it) {
        if (it->second.unanswered.empty() &&
            (idle == helpers_.end() || it->second.sent_ns < idle->second.sent_ns)) {
          idle = it;
        }
      }
      if (idle == helpers_.end()) return false;
      Stop(idle->second);
      helpers_.erase(idle);
      if (Helpers_Alive() >= Max_Volume_Askers) return false;
    }
    found = helpers_.emplace(key, Helper{}).first;
    if (!Start(found->second)) {
      helpers_.erase(found);
      return false;
    }
  }
  Helper& h = found->second;
  std::string payload;
  std::vector<std::string> asked;
  for (const std::string& p : paths) {
    if (asked.size() == kMaxPaths || p.size() >= PATH_MAX) continue;
    if (std::find(asked.begin(), asked.end(), p) != asked.end()) continue;
    payload += p;
    payload += '\0';
    asked.push_back(p);
  }
  const Request_Header header{static_cast<std::uint32_t>(asked.size()),
                              static_cast<std::uint32_t>(payload.size()), real_paths ? 1u : 0u, 0};
  // The helper has nothing out: its board is the program's to clear.
  for (auto& slot : h.board->slots) slot.ready.store(0, std::memory_order_relaxed);
  if (asked.empty()) return true;
  payload.insert(0, reinterpret_cast<const char*>(&header), sizeof header);
  if (!Write_All(h.socket, payload.data(), payload.size())) {
    Stop(h);
    helpers_.erase(found);
    return false;
  }
  h.mount_id = mount_id;
  h.sent_ns = Monotonic_Ns();
  h.unanswered = asked;
  h.asked = std::move(asked);
  return true;
}

bool Volume_Askers::Receive(Helper& h, std::vector<Asked_Path>& into) {
  char probe;
  const ssize_t n = recv(h.socket, &probe, 1, MSG_DONTWAIT | MSG_PEEK);
  if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
    return false;  // the helper is gone
  }
  for (std::size_t i = 0; i < h.asked.size(); ++i) {
    const Answer_Board::Slot& slot = h.board->slots[i];
    if (slot.ready.load(std::memory_order_acquire) == 0) continue;
    const std::string& path = h.asked[i];
    if (std::find(h.unanswered.begin(), h.unanswered.end(), path) == h.unanswered.end()) continue;
    const Wire_Reply& reply = slot.reply;
    Asked_Path a;
    a.path = path;
    a.reply.found = reply.found != 0;
    if (reply.has_space) {
      a.reply.space = Volume_Space{reply.unit, reply.blocks, reply.blocks_free,
                                   reply.blocks_available, reply.read_only != 0};
    }
    a.reply.mount_id = reply.mount_id;
    a.reply.real_path.assign(slot.real_path,
                             std::min<std::size_t>(reply.real_length, PATH_MAX - 1));
    a.reply.done_ns = reply.done_ns;
    std::erase(h.unanswered, path);
    into.push_back(std::move(a));
  }
  if (h.unanswered.empty()) {
    // The question's "done" byte, read now or at the next look: the pipe never
    // fills, so the helper never waits on it.
    char tokens[64];
    while (read(h.done, tokens, sizeof tokens) > 0) {}
  }
  return true;
}

void Volume_Askers::Read_Ready(std::vector<Asked_Path>& into) {
  for (auto it = helpers_.begin(); it != helpers_.end();) {
    Helper& h = it->second;
    if (!h.unanswered.empty() && !Receive(h, into)) {  // gone: a new helper next time
      Stop(h);
      it = helpers_.erase(it);
    } else {
      ++it;
    }
  }
}

std::vector<Asked_Path> Volume_Askers::Collect(const Awaited& awaited, std::int64_t deadline_ns) {
  std::vector<Asked_Path> replies;
  // Volumes that answer do so within a fraction of a millisecond: the board is
  // looked at without sleeping that long, since waking from a sleep costs more than
  // the answers take.
  const std::int64_t spin_until = std::min(deadline_ns, Monotonic_Ns() + 200'000);
  for (;;) {
    Read_Ready(replies);
    // A helper whose every outstanding path is awaited is waited on for its whole
    // answer (one wake-up); one that also has paths nobody waits for (a slow one
    // among them) has its board looked at every 2 ms.
    std::map<const Helper*, std::size_t> awaited_left;  // awaited paths still out, by helper
    for (const auto& [key, path] : awaited) {
      const auto it = helpers_.find(key);
      if (it == helpers_.end()) continue;
      const std::vector<std::string>& left = it->second.unanswered;
      if (std::find(left.begin(), left.end(), path) != left.end()) ++awaited_left[&it->second];
    }
    std::vector<pollfd> fds;
    bool mixed = false;
    for (const auto& [helper, count] : awaited_left) {
      if (count < helper->unanswered.size()) mixed = true;
      fds.push_back({helper->done, POLLIN, 0});
    }
    if (fds.empty()) break;
    if (Monotonic_Ns() < spin_until) continue;
    const std::int64_t left_ms = (deadline_ns - Monotonic_Ns()) / 1'000'000;
    if (left_ms <= 0) break;
    const std::int64_t timeout = mixed ? std::min<std::int64_t>(left_ms, 2) : left_ms;
    const int n =
        poll(fds.data(), fds.size(), static_cast<int>(std::min<std::int64_t>(timeout, INT_MAX)));
    if (n < 0 && errno != EINTR) break;
    if (n == 0 && !mixed) break;
    for (const pollfd& p : fds) {
      char tokens[64];
      if (p.revents != 0) {
        while (read(p.fd, tokens, sizeof tokens) > 0) {}
      }
    }
  }
  Read_Ready(replies);  // what came while the wait ran out
  return replies;
}

std::optional<std::int64_t> Volume_Askers::Out_Since(const std::string& key) const {
  const auto it = helpers_.find(key);
  if (it == helpers_.end() || it->second.unanswered.empty()) return std::nullopt;
  return it->second.sent_ns;
}

std::vector<std::string> Volume_Askers::Unanswered(const std::string& key) const {
  const auto it = helpers_.find(key);
  return it == helpers_.end() ? std::vector<std::string>{} : it->second.unanswered;
}

void Volume_Askers::Rekey(const std::string& from, const std::string& to) {
  const auto it = helpers_.find(from);
  if (it == helpers_.end() || from == to) return;
  if (const auto old = helpers_.find(to); old != helpers_.end()) {
    Stop(old->second);
    helpers_.erase(old);
  }
  auto node = helpers_.extract(it);
  node.key() = to;
  helpers_.insert(std::move(node));
}

void Volume_Askers::Retire(const Pick& pick) {
  for (auto it = helpers_.begin(); it != helpers_.end();) {
    Helper& h = it->second;
    if (pick(it->first, h.mount_id, !h.unanswered.empty(), h.sent_ns)) {
      Stop(h);
      it = helpers_.erase(it);
    } else {
      ++it;
    }
  }
}

int Volume_Askers::Questions_Out() const {
  int n = 0;
  for (const auto& [key, h] : helpers_) n += h.unanswered.empty() ? 0 : 1;
  return n;
}

int Volume_Askers::Helpers_Alive() const {
  return static_cast<int>(helpers_.size()) + Stopped_Children();
}

}  // namespace keldra::platform::linux_impl
