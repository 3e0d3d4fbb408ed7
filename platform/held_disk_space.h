#pragma once
// The one policy for asking drives that may not answer, whatever system asks them:
// all of a pass's questions share one bounded wait; a volume that missed a wait is
// not waited for again until it answers within one; a drive whose question is out
// keeps showing its last answer (counted in the total) until a newer one comes, and
// reads as not answered only when it never answered or its volume has been silent
// for longer than Held_Answer_Limit.
#include <array>
#include <functional>
#include <memory>

#include "platform/bounded_call.h"
#include "platform/drive_askers.h"
#include "platform/drive_table.h"

namespace keldra::platform {

// A volume silent this long has gone, as far as a user can tell: its last figures
// give way to "cannot be queried". A minute rides out a server's restart or a
// stalled link without showing figures a user would take as current for long.
inline constexpr std::chrono::milliseconds Held_Answer_Limit{60'000};

class Held_Disk_Space : public Disk_Space {
 public:
  using Clock = std::function<Steady_Time()>;
  explicit Held_Disk_Space(std::unique_ptr<Drive_Askers> askers,
                           std::chrono::milliseconds wait = Volume_Wait,
                           std::chrono::milliseconds hold = Held_Answer_Limit,
                           Clock clock = std::chrono::steady_clock::now);

  void Ask_Drives(std::string_view letters) override;
  Disk_Space_Figures Get_Disk_Free_Space_Ex(std::string_view root_path) override;
  Drive_Freshness Freshness_Of(char letter) const override;

  int Calls_In_Flight() const { return askers_->Questions_Out(); }
  // Passes whose wait ran out before every volume waited for had answered.
  int Waits_Timed_Out() const { return waits_timed_out_; }

 private:
  struct Letter_State {
    std::optional<Disk_Space_Figures> last;
    Steady_Time answered_at{};
    Steady_Time asked_at{};
    bool slow = false;  // missed a wait, or answered slower than one: not waited for
    bool asked_in_pass = false;
    std::optional<Steady_Time> out_since;  // as the pass's wait left it
  };
  void Ask(std::string_view letters);
  void Take(const std::vector<Drive_Answer>& answers);

  std::unique_ptr<Drive_Askers> askers_;
  std::chrono::milliseconds wait_;
  std::chrono::milliseconds hold_;
  Clock clock_;
  Steady_Time pass_start_{};
  std::array<Letter_State, Drive_Letter_Count> letters_{};
  int waits_timed_out_ = 0;
};

}  // namespace keldra::platform
