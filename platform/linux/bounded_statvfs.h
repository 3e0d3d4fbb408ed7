#pragma once
// statvfs that gives up. A dead NFS server, a stalled CIFS share or a FUSE daemon
// that stops answering can leave statvfs waiting for ever, and for FUSE nothing
// interrupts the wait, not even the end of the process: a program whose thread is
// stuck there cannot finish exiting. So the call runs in a helper process of its
// own, which the program leaves behind when it does not answer in time. Until it
// answers, every further query of the same directory fails at once, so a hung
// volume costs the wait once and never more than one helper.
#include <sys/statvfs.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>

namespace keldra::platform::linux_impl {

// Long enough for a healthy network volume, which answers statfs within a few
// hundred milliseconds even over a slow link; short enough that a hung one stalls
// the window noticeably less than two seconds, once.
inline constexpr std::chrono::milliseconds Statvfs_Wait{1500};

class Bounded_Statvfs {
 public:
  explicit Bounded_Statvfs(std::chrono::milliseconds wait = Statvfs_Wait);
  ~Bounded_Statvfs();
  Bounded_Statvfs(const Bounded_Statvfs&) = delete;
  Bounded_Statvfs& operator=(const Bounded_Statvfs&) = delete;

  // Nothing when the call failed, did not answer in time, or an earlier one on the
  // same directory is still waiting.
  std::optional<struct statvfs> Query(const std::string& directory);

  // Helpers that have not answered yet.
  int Calls_In_Flight();
  // How many times a query waited the whole bound without an answer.
  int Waits_Timed_Out() const { return waits_timed_out_; }

 private:
  void Collect_Answered();
  std::map<std::string, int> in_flight_;  // directory -> the helper's answer pipe
  std::chrono::milliseconds wait_;
  int waits_timed_out_ = 0;
};

}  // namespace keldra::platform::linux_impl
