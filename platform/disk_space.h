#pragma once
// What a drive's root path reports about its space: the stand-in for the
// operating system's free-space query.
#include <chrono>
#include <cstdint>
#include <string_view>

#include "platform/uint128.h"

namespace keldra::platform {

// In bytes, wider than the system's own 64-bit counts: a volume may report more
// blocks of a larger size than 64 bits of bytes can hold (FUSE and network
// filesystems can claim 16 EiB and beyond), and its figures must not wrap.
struct Disk_Space_Figures {
  u128 free_bytes_to_caller = 0;
  u128 total_bytes = 0;
  u128 total_free_bytes = 0;
  // The drive answered. False when it has no volume, the call failed or it did not
  // answer in time: then every figure is 0, as for a volume that is truly empty.
  bool answered = false;
  // The drive's folder is meant for a volume that is not mounted there (answered is
  // false): told apart so that a report can say so, never given the figures of the
  // volume beneath.
  bool not_mounted = false;
  // The volume takes no writes (mounted read-only, a write-protected medium): it
  // cannot fill up, so nobody is warned about its space.
  bool read_only = false;
};

// How current a drive's figures are: answered within this pass's wait, the last
// answer held while a newer one is awaited, or none to show.
enum class Answer_Freshness { Missing, Fresh, Held };

struct Drive_Freshness {
  Answer_Freshness state = Answer_Freshness::Missing;
  std::chrono::milliseconds age{0};  // since the volume gave the figures shown
};

class Disk_Space {
 public:
  virtual ~Disk_Space() = default;
  // root_path is "X:\" for drive X. A drive that cannot be queried leaves every
  // figure at 0; the query never reports an error of its own.
  virtual Disk_Space_Figures Get_Disk_Free_Space_Ex(std::string_view root_path) = 0;
  // Called as a refresh pass begins, with the letters it will ask about: a system
  // whose volumes may not answer asks them all at once here, within one bounded
  // wait, and answers the pass's queries from what it learned until the next call.
  virtual void Ask_Drives(std::string_view letters) { (void)letters; }
  // How current the figures last given for a letter are.
  virtual Drive_Freshness Freshness_Of(char letter) const {
    (void)letter;
    return {Answer_Freshness::Fresh, {}};
  }
};

}  // namespace keldra::platform
