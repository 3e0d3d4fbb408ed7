#pragma once
// How a system asks its drives for their space without the caller ever waiting on
// a volume: each system supplies the askers (helper processes where a call stuck in
// the kernel cannot be interrupted, worker threads elsewhere); what to wait for,
// how long, and what a late or missing answer shows is decided once, above them.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/disk_space.h"

namespace keldra::platform {

using Steady_Time = std::chrono::steady_clock::time_point;

struct Drive_Answer {
  char letter = 'A';           // upper case
  Disk_Space_Figures figures;  // answered false: the drive has no volume, or the call failed
  Steady_Time when{};          // when the asker had it
};

class Drive_Askers {
 public:
  virtual ~Drive_Askers() = default;
  // Sends a question for each letter whose volume has none out, and returns at
  // once: the letters asked.
  virtual std::string Send(std::string_view letters) = 0;
  // Waits until none of the awaited letters has a question out, or until the
  // deadline, whichever comes first; then answers everything that came in since
  // the last call, late answers to earlier questions included.
  virtual std::vector<Drive_Answer> Collect(std::string_view awaited, Steady_Time deadline) = 0;
  // When the question that stands for this letter went out, if one is out.
  virtual std::optional<Steady_Time> Out_Since(char letter) const = 0;
  // Questions out, one at most a volume.
  virtual int Questions_Out() const = 0;
};

}  // namespace keldra::platform
