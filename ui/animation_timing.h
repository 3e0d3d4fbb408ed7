#pragma once
// An animated picture's timing, as its file gives it: how long each frame shows and
// how many times the whole plays. A face decodes the frames and shows the one this
// says, when it says.
#include <cstddef>
#include <optional>
#include <vector>

namespace keldra::ui {

// Each frame's delay in milliseconds, from the file's list of hundredths of a second
// (one for each frame, or fewer): a frame the list leaves out, or gives 0, takes the
// first's; a file with no list shows each frame for 100 ms.
std::vector<int> Frame_Delays_Ms(const std::vector<unsigned>& listed_hundredths,
                                 std::size_t frames);

// How long a frame stays: its delay, never under 10 ms, so that a file asking for
// none does not spin.
int Frame_Wait_Ms(int delay_ms);

// Which frame follows which, and when the file's loops are played: the picture then
// rests on its last frame. A loop count of 0 plays for ever.
class Animation_Clock {
 public:
  Animation_Clock() = default;
  Animation_Clock(int frames, int loop_count) : frames_(frames), loop_count_(loop_count) {}
  void Restart() { loops_done_ = 0; }
  std::optional<int> Next(int frame);

 private:
  int frames_ = 1;
  int loop_count_ = 0;
  int loops_done_ = 0;
};

}  // namespace keldra::ui
