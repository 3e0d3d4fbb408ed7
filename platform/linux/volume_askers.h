#pragma once
// Asking volumes that may never answer for their space, without ever waiting on
// them for longer than one bounded wait a pass.
//
// A dead NFS server, a stalled share or a FUSE daemon that stops answering can
// leave statfs waiting for ever, and for FUSE nothing interrupts the wait, not even
// the end of the process. So each such volume is asked by a helper process of its
// own, kept for the next questions: it holds none of the program's descriptors
// (a script reading keldra-report's output sees its end when keldra-report exits),
// is killed when the program ends, and is never asked a second question while the
// first is outstanding. All the questions of one call share one wait; a volume that
// missed it is no longer waited for, and its answers, when they come, serve the
// next call: its figures lag by one call instead of stalling each one.
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace keldra::platform::linux_impl {

// Long enough for a healthy network volume, which answers statfs within a few
// hundred milliseconds even over a slow link; short enough that a hung one stalls
// the window noticeably less than two seconds, once.
inline constexpr std::chrono::milliseconds Volume_Wait{1500};

// However many volumes hang, no more helpers than this are ever started.
inline constexpr int Max_Volume_Askers = 32;

// What statfs said, in bytes.
struct Volume_Space {
  std::uint64_t unit = 0;  // f_frsize
  std::uint64_t blocks = 0;
  std::uint64_t blocks_free = 0;
  std::uint64_t blocks_available = 0;  // to an ordinary user
};

struct Volume_Question {
  std::string volume;  // one helper per volume: its mount point and mount id
  std::string path;
};

class Volume_Askers {
 public:
  explicit Volume_Askers(std::chrono::milliseconds wait = Volume_Wait) : wait_(wait) {}
  ~Volume_Askers();
  Volume_Askers(const Volume_Askers&) = delete;
  Volume_Askers& operator=(const Volume_Askers&) = delete;

  // Asks every question whose volume has none outstanding and waits, once, until
  // the volumes that are waited for have answered or the wait is over. The answers
  // by path: this call's, or ones that came late since the last call. A path with
  // none (no answer yet, statfs failed, no helper could be started) is missing.
  std::map<std::string, std::optional<Volume_Space>> Ask(
      const std::vector<Volume_Question>& questions);

  // Helpers with a question outstanding.
  int Calls_In_Flight() const;
  // Calls whose wait ran out before every volume waited for had answered.
  int Waits_Timed_Out() const { return waits_timed_out_; }

 private:
  struct Helper {
    int pid = -1;
    int socket = -1;
    bool outstanding = false;
    bool slow = false;  // missed a wait, or answered slower than one: not waited for
    std::int64_t sent_ns = 0;
    std::vector<std::string> asked;  // the outstanding question's paths
    std::map<std::string, std::optional<Volume_Space>> late;
  };
  bool Start(Helper& helper);
  void Stop(Helper& helper);
  bool Send(Helper& helper, const std::vector<std::string>& paths);
  // Reads an answer that is ready into helper.late; false when the helper is gone.
  bool Receive(Helper& helper);
  void Collect_Late_Answers();

  std::map<std::string, Helper> helpers_;  // by volume
  std::vector<int> stopped_;               // killed, not yet reaped
  std::chrono::milliseconds wait_;
  int waits_timed_out_ = 0;
};

}  // namespace keldra::platform::linux_impl
