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
#include <initializer_list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/linux/clean_child.h"
#include "platform/linux/helper_answer.h"

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
// nothing but the question and one wake-up. The slots come first, together in one
// page, and the real paths after them, touched only when asked for: each page of a
// shared board first touched costs both processes a fault.
struct Answer_Board {
  // Set once the helper asks volumes: one started with a first job of the
  // program's does so only once it has answered that.
  std::atomic<std::uint32_t> serving;
  // Questions the helper has taken up, so that the program sees it at work.
  std::atomic<std::uint32_t> questions_taken;
  struct Slot {
    std::atomic<std::uint32_t> ready;
    Wire_Reply reply;
  };
  Slot slots[kMaxPaths];
  char real_paths[kMaxPaths][PATH_MAX];
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
    board->questions_taken.fetch_add(1, std::memory_order_release);
    const char* path = request;
    for (std::uint32_t i = 0; i < header.count; ++i) {
      Wire_Reply& reply = board->slots[i].reply;
      char* real_path = board->real_paths[i];
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

std::mutex spare_mutex;
std::optional<Volume_Askers::Channels> spare;

void Close_Open(std::initializer_list<int> fds) {
  for (const int fd : fds) {
    if (fd >= 0) close(fd);
  }
}

}  // namespace

std::unique_ptr<Bounded_Job> Start_Spare_Volume_Asker(const std::function<std::string()>& first_job,
                                                      const std::string& place) {
  Volume_Askers::Channels c;
  int answer_fd = -1;
  if (!Volume_Askers::Start_Process(c, first_job ? &first_job : nullptr, &answer_fd)) {
    return first_job ? std::make_unique<Bounded_Job>(first_job, place) : nullptr;
  }
  std::optional<Volume_Askers::Channels> older;
  {
    std::lock_guard lock(spare_mutex);
    older = std::exchange(spare, c);
  }
  // One spare is enough: the older one, its question channel closed, ends once it
  // has answered its own first job, if it had one.
  if (older) {
    munmap(older->board, sizeof(Answer_Board));
    Close_Open({older->socket, older->done});
    Let_Child_End(older->pid);
  }
  if (!first_job) return nullptr;
  return std::make_unique<Bounded_Job>(Bounded_Job::Running_Helper{c.pid, answer_fd}, place);
}

bool Volume_Askers::Start(Helper& h) {
  {
    std::lock_guard lock(spare_mutex);
    // A spare still busy with its first job (or stuck in it) is left to it.
    if (spare && spare->board->serving.load(std::memory_order_acquire) != 0) {
      h.channels = *spare;
      spare.reset();
      return true;
    }
  }
  return Start_Process(h.channels);
}

bool Volume_Askers::Start_Process(Channels& out, const std::function<std::string()>* first_job,
                                  int* answer_out) {
  int pair[2], done[2], answer[2] = {-1, -1};
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return false;
  if (pipe2(done, O_CLOEXEC | O_NONBLOCK) != 0) {
    Close_Open({pair[0], pair[1]});
    return false;
  }
  if (first_job != nullptr && socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, answer) != 0) {
    Close_Open({pair[0], pair[1], done[0], done[1]});
    return false;
  }
  void* mapped = mmap(nullptr, sizeof(Answer_Board), PROT_READ | PROT_WRITE,
                      MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  auto* board = mapped == MAP_FAILED ? nullptr : static_cast<Answer_Board*>(mapped);
  // Set here, not by the helper, so that a spare is never taken for busy before
  // it has run.
  if (board != nullptr && first_job == nullptr) board->serving.store(1);
  const pid_t pid = board == nullptr       ? -1
                    : first_job != nullptr ? Fork_Clean_Child({pair[1], done[1], answer[1]})
                                           : Fork_Clean_Child({pair[1], done[1]});
  if (pid == 0) {
    if (first_job != nullptr) {
      Write_Answer(5, *first_job);
      // Marked before the answer ends: a program that has its answer finds it serving.
      board->serving.store(1, std::memory_order_release);
      close(5);
    }
    fcntl(4, F_SETFL, 0);  // the helper's own end blocks
    Serve(3, 4, board);
  }
  Close_Open({pair[1], done[1], answer[1]});
  if (pid < 0) {
    if (board != nullptr) munmap(board, sizeof(Answer_Board));
    Close_Open({pair[0], done[0], answer[0]});
    return false;
  }
  out = Channels{pid, pair[0], done[0], board};
  if (answer_out != nullptr) *answer_out = answer[0];
  return true;
}

void Volume_Askers::Stop(Helper& h) {
  Channels& c = h.channels;
  if (c.board != nullptr) munmap(c.board, sizeof(Answer_Board));
  Close_Open({c.socket, c.done});
  Stop_Child(c.pid);
  c = Channels{};
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
  for (auto& slot : h.channels.board->slots) slot.ready.store(0, std::memory_order_relaxed);
  if (asked.empty()) return true;
  payload.insert(0, reinterpret_cast<const char*>(&header), sizeof header);
  if (!Write_All(h.channels.socket, payload.data(), payload.size())) {
    Stop(h);
    helpers_.erase(found);
    return false;
  }
  h.mount_id = mount_id;
  ++h.questions_sent;
  h.sent_ns = Monotonic_Ns();
  h.unanswered = asked;
  h.asked = std::move(asked);
  return true;
}

bool Volume_Askers::Receive(Helper& h, std::vector<Asked_Path>& into) {
  char probe;
  const ssize_t n = recv(h.channels.socket, &probe, 1, MSG_DONTWAIT | MSG_PEEK);
  if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
    return false;  // the helper is gone
  }
  for (std::size_t i = 0; i < h.asked.size(); ++i) {
    const Answer_Board::Slot& slot = h.channels.board->slots[i];
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
    if (reply.real_length > 0) {
      a.reply.real_path.assign(h.channels.board->real_paths[i],
                               std::min<std::size_t>(reply.real_length, PATH_MAX - 1));
    }
    a.reply.done_ns = reply.done_ns;
    std::erase(h.unanswered, path);
    into.push_back(std::move(a));
  }
  if (h.unanswered.empty()) {
    // The question's "done" byte, read now or at the next look: the pipe never
    // fills, so the helper never waits on it.
    char tokens[64];
    while (read(h.channels.done, tokens, sizeof tokens) > 0) {}
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
  // the answers take. That holds while the helper runs beside the program. One not
  // seen to take its question up within 100 microseconds is waiting for a core (an
  // idle core of a virtual machine can take a millisecond to wake): the program
  // sleeps instead, which frees its own core for the helper.
  const std::int64_t now = Monotonic_Ns();
  const std::int64_t spin_until = std::min(deadline_ns, now + 200'000);
  const std::int64_t seen_working_by = now + 100'000;
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
    bool working = true;
    for (const auto& [helper, count] : awaited_left) {
      if (count < helper->unanswered.size()) mixed = true;
      fds.push_back({helper->channels.done, POLLIN, 0});
      working = working && helper->channels.board->questions_taken.load(
                               std::memory_order_acquire) == helper->questions_sent;
    }
    if (fds.empty()) break;
    const std::int64_t at = Monotonic_Ns();
    if (at < spin_until && (working || at < seen_working_by)) continue;
    const std::int64_t left_ms = (deadline_ns - at) / 1'000'000;
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
