#include "platform/held_disk_space.h"

namespace keldra::platform {

Held_Disk_Space::Held_Disk_Space(std::unique_ptr<Drive_Askers> askers,
                                 std::chrono::milliseconds wait, std::chrono::milliseconds hold,
                                 Clock clock)
    : askers_(std::move(askers)), wait_(wait), hold_(hold), clock_(std::move(clock)) {}

void Held_Disk_Space::Take(const std::vector<Drive_Answer>& answers) {
  for (const Drive_Answer& a : answers) {
    const int i = Drive_Letter_Index(a.letter);
    if (i < 0) continue;
    Letter_State& s = letters_[static_cast<std::size_t>(i)];
    if (s.last && a.when < s.answered_at) continue;  // an older question's answer
    s.last = a.figures;
    s.answered_at = a.when;
    s.slow = a.when - s.asked_at > wait_;
  }
}

void Held_Disk_Space::Ask_Drives(std::string_view letters) {
  pass_start_ = clock_();
  for (Letter_State& s : letters_) s.asked_in_pass = false;
  Ask(letters);
}

void Held_Disk_Space::Ask(std::string_view letters) {
  const Steady_Time now = clock_();
  Take(askers_->Collect({}, now));  // what came in late since the last pass
  // Those waited for first: a volume answers its paths in order, and one stuck on a
  // slow path must not hold up the others' answers.
  std::string wanted, slow;
  for (const char c : letters) {
    const int i = Drive_Letter_Index(c);
    if (i < 0 || letters_[static_cast<std::size_t>(i)].asked_in_pass) continue;
    Letter_State& s = letters_[static_cast<std::size_t>(i)];
    s.asked_in_pass = true;
    (s.slow ? slow : wanted) += static_cast<char>('A' + i);
  }
  wanted += slow;
  if (wanted.empty()) return;
  std::string awaited;
  for (const char c : askers_->Send(wanted)) {
    Letter_State& s = letters_[static_cast<std::size_t>(Drive_Letter_Index(c))];
    s.asked_at = now;
    if (!s.slow) awaited += c;
  }
  // One wait for every volume of the pass together.
  Take(askers_->Collect(awaited, now + wait_));
  // Where each letter stands, taken once: the pass asks about each four times.
  for (const char c : wanted) {
    letters_[static_cast<std::size_t>(Drive_Letter_Index(c))].out_since = askers_->Out_Since(c);
  }
  bool missed = false;
  for (const char c : awaited) {
    Letter_State& s = letters_[static_cast<std::size_t>(Drive_Letter_Index(c))];
    if (!s.out_since) continue;
    s.slow = true;
    missed = true;
  }
  if (missed) ++waits_timed_out_;
}

Drive_Freshness Held_Disk_Space::Freshness_Of(char letter) const {
  const int i = Drive_Letter_Index(letter);
  if (i < 0) return {};
  const Letter_State& s = letters_[static_cast<std::size_t>(i)];
  if (!s.last) return {};
  const Steady_Time now = clock_();
  const std::optional<Steady_Time> out = s.asked_in_pass ? s.out_since : askers_->Out_Since(letter);
  if (out && now - *out > hold_) return {};
  const auto age = std::chrono::duration_cast<std::chrono::milliseconds>(now - s.answered_at);
  if (s.answered_at >= pass_start_) return {Answer_Freshness::Fresh, age};
  return {Answer_Freshness::Held, age};
}

Disk_Space_Figures Held_Disk_Space::Get_Disk_Free_Space_Ex(std::string_view root_path) {
  if (root_path.size() < 2 || root_path[1] != ':') return {};
  const int i = Drive_Letter_Index(root_path[0]);
  if (i < 0) return {};
  Letter_State& s = letters_[static_cast<std::size_t>(i)];
  // A letter the pass did not announce is asked on its own.
  if (!s.asked_in_pass) Ask(root_path.substr(0, 1));
  if (Freshness_Of(root_path[0]).state == Answer_Freshness::Missing) return {};
  return *s.last;
}

}  // namespace keldra::platform
