#include "platform/linux/linux_disk_space.h"

namespace keldra::platform::linux_impl {
namespace {

// steady_clock is CLOCK_MONOTONIC here, the clock the helpers stamp their answers by.
Steady_Time From_Monotonic(std::int64_t ns) {
  return Steady_Time(
      std::chrono::duration_cast<Steady_Time::duration>(std::chrono::nanoseconds(ns)));
}

std::int64_t To_Monotonic(Steady_Time t) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

}  // namespace

Disk_Space_Figures Figures_Of(const Volume_Space& s) {
  Disk_Space_Figures f;
  // A volume reporting more available than free blocks (some network filesystems
  // do) is taken at its word for the free space; the capacity is still what is used
  // plus what is available.
  const std::uint64_t used = s.blocks > s.blocks_free ? s.blocks - s.blocks_free : 0;
  f.free_bytes_to_caller = Saturating_Product(s.blocks_available, s.unit);
  f.total_free_bytes = f.free_bytes_to_caller;
  f.total_bytes = Saturating_Product(u128{used} + u128{s.blocks_available}, s.unit);
  f.read_only = s.read_only;
  f.answered = true;
  return f;
}

std::vector<Drive_Answer> Linux_Drive_Askers::Collect(std::string_view awaited,
                                                      Steady_Time deadline) {
  table_.Wait(awaited, To_Monotonic(deadline));
  std::vector<Drive_Answer> answers;
  for (const auto& [letter, reply] : table_.Take_Answers()) {
    Drive_Answer a;
    a.letter = letter;
    if (reply.found && reply.space) a.figures = Figures_Of(*reply.space);
    a.figures.not_mounted = reply.not_mounted;
    a.when = From_Monotonic(reply.done_ns);
    answers.push_back(a);
  }
  return answers;
}

std::optional<Steady_Time> Linux_Drive_Askers::Out_Since(char letter) const {
  const std::optional<std::int64_t> out = table_.Out_Since(letter);
  if (!out) return std::nullopt;
  return From_Monotonic(*out);
}

}  // namespace keldra::platform::linux_impl
