#pragma once
// Asking volumes that may never answer, without ever waiting on them for longer
// than one bounded wait.
//
// A dead NFS server, a stalled share or a FUSE daemon that stops answering can
// leave any call on a path (open, stat, statfs) waiting for ever, and for FUSE
// nothing interrupts the wait, not even the end of the process. So every path is
// asked by a helper process, one for each volume, kept for the next questions: the
// helper walks the path itself, opening it once, and asks the opened directory for
// its space, its mount and its real name, answering path by path. It holds none of
// the program's descriptors, dies with the program, and is never asked a second
// question while the first is out.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/bounded_call.h"

namespace keldra::platform::linux_impl {

// However many volumes hang, no more helpers than this are ever alive, stuck ones
// that were let go of included, until they end.
inline constexpr int Max_Volume_Askers = 32;

// What statfs said, in bytes.
struct Volume_Space {
  std::uint64_t unit = 0;  // f_frsize
  std::uint64_t blocks = 0;
  std::uint64_t blocks_free = 0;
  std::uint64_t blocks_available = 0;  // to an ordinary user
  bool read_only = false;              // mounted read-only
};

// What a helper found at one path.
struct Volume_Reply {
  bool found = false;                 // the path opened
  std::optional<Volume_Space> space;  // its volume's statfs
  std::uint64_t mount_id = 0;         // the mount it lies on, 0 when unknown
  std::string real_path;              // as the kernel names it, when asked for
  // The path is a mount point whose volume is not mounted (decided by the drive
  // table, which knows which folders are meant for a volume): found is then false.
  bool not_mounted = false;
  std::int64_t done_ns = 0;  // when the helper had it, CLOCK_MONOTONIC
};

struct Asked_Path {
  std::string path;
  Volume_Reply reply;
};

std::int64_t Monotonic_Ns();

struct Answer_Board;

// Starts a helper before any is needed, while the process is small and copying it
// cheap (a process with a window's toolkit loaded takes milliseconds to copy): the
// first helper any Volume_Askers needs is this one. Called before threads start.
// With a first job (the program's first reads, at place), the helper does that
// first and answers it as the job returned, so that a start copies the process once,
// not twice; it asks volumes only once it has answered, and until then a
// Volume_Askers starts its own helper.
std::unique_ptr<Bounded_Job> Start_Spare_Volume_Asker(
    const std::function<std::string()>& first_job = {}, const std::string& place = {});

class Volume_Askers {
 public:
  Volume_Askers() = default;
  ~Volume_Askers();
  Volume_Askers(const Volume_Askers&) = delete;
  Volume_Askers& operator=(const Volume_Askers&) = delete;

  // Asks the helper for key about these paths (at most 26), starting one if there
  // is none. False when the key has a question out or no helper could be had.
  // mount_id is the mount the question is meant for: the helper is let go of when
  // that mount leaves the table.
  // real_paths: whether the answers carry each path's real path.
  bool Send(const std::string& key, std::uint64_t mount_id, const std::vector<std::string>& paths,
            bool real_paths = false);
  // Waits until each awaited path (key, path) has its answer, or until the
  // deadline (CLOCK_MONOTONIC), then answers every path answered since the last call.
  using Awaited = std::vector<std::pair<std::string, std::string>>;
  std::vector<Asked_Path> Collect(const Awaited& awaited, std::int64_t deadline_ns);
  // When the key's question went out, if one is out.
  std::optional<std::int64_t> Out_Since(const std::string& key) const;
  // The paths of the key's question that have no answer yet.
  std::vector<std::string> Unanswered(const std::string& key) const;
  // Gives a helper another key, its question and all.
  void Rekey(const std::string& from, const std::string& to);
  // Lets go of the helpers picked: each is killed, and one stuck in a volume counts
  // against the limit until it ends.
  using Pick = std::function<bool(const std::string& key, std::uint64_t mount_id, bool out,
                                  std::int64_t last_sent_ns)>;
  void Retire(const Pick& pick);

  int Questions_Out() const;
  int Helpers_Alive() const;  // working and let go of, until they end

  // A helper's process and what it is reached by.
  struct Channels {
    int pid = -1;
    int socket = -1;
    int done = -1;                  // a byte for each question answered whole
    Answer_Board* board = nullptr;  // where the helper leaves its answers
  };

 private:
  struct Helper {
    Channels channels;
    std::uint64_t mount_id = 0;
    std::int64_t sent_ns = 0;
    std::uint32_t questions_sent = 0;     // to this helper, all told
    std::vector<std::string> unanswered;  // the question's paths still to come
    std::vector<std::string> asked;       // the whole question, in order
  };
  bool Start(Helper& helper);
  void Stop(Helper& helper);
  friend std::unique_ptr<Bounded_Job> Start_Spare_Volume_Asker(const std::function<std::string()>&,
                                                               const std::string&);
  static bool Start_Process(Channels& out, const std::function<std::string()>* first_job = nullptr,
                            int* answer_fd = nullptr);
  // Takes the answers that have come; false when the helper is gone.
  bool Receive(Helper& helper, std::vector<Asked_Path>& into);
  void Read_Ready(std::vector<Asked_Path>& into);

  std::map<std::string, Helper> helpers_;  // by key
};

}  // namespace keldra::platform::linux_impl
