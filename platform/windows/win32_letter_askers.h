#pragma once
// Asking drive letters on worker threads, so that the window's thread never waits
// on a volume: any question about a drive (its space, its type, label or remote
// name) may wait a long time on a mapped drive whose server is gone, a slow card
// reader or an optical drive spinning up, and under Wine on any mount that hangs.
// One question a letter at a time: a letter whose question is out is not asked
// again until it answers.
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/drive_askers.h"
#include "platform/drive_table.h"

namespace keldra::platform::win32_impl {

enum class Letter_Question { Space, Describe };

// What a worker found; only the part its question asked for is filled in.
struct Letter_Facts {
  Disk_Space_Figures figures;
  Drive_Entry entry;
  Steady_Time when{};
};

// The system's own answer to a question.
Letter_Facts Ask_System(char letter, Letter_Question question);

class Win32_Letter_Askers {
 public:
  using Job = std::function<Letter_Facts(char letter, Letter_Question question)>;
  // A question that waits `stall` for a worker while every worker is busy (one may be
  // stuck in a volume that does not answer) gets a worker of its own.
  explicit Win32_Letter_Askers(Job job = Ask_System,
                               std::chrono::milliseconds stall = std::chrono::milliseconds(50));
  Win32_Letter_Askers(const Win32_Letter_Askers&) = delete;
  Win32_Letter_Askers& operator=(const Win32_Letter_Askers&) = delete;

  // Starts a worker unless the letter has a question out; false then.
  bool Send(char letter, Letter_Question question);
  // Waits until none of the awaited letters has a question out, or until the
  // deadline; answers what came in for that kind of question since the last call.
  std::vector<std::pair<char, Letter_Facts>> Collect(Letter_Question question,
                                                     std::string_view awaited,
                                                     Steady_Time deadline);
  std::optional<Steady_Time> Out_Since(char letter) const;
  int Questions_Out() const;

  struct Shared;  // what the askers and their workers hold in common

 private:
  Job job_;
  std::shared_ptr<Shared> shared_;
};

// How Windows asks for the space of a pass's drives.
class Win32_Drive_Askers final : public Drive_Askers {
 public:
  explicit Win32_Drive_Askers(Win32_Letter_Askers& askers) : askers_(askers) {}
  std::string Send(std::string_view letters) override;
  std::vector<Drive_Answer> Collect(std::string_view awaited, Steady_Time deadline) override;
  std::optional<Steady_Time> Out_Since(char letter) const override {
    return askers_.Out_Since(letter);
  }
  int Questions_Out() const override { return askers_.Questions_Out(); }

 private:
  Win32_Letter_Askers& askers_;
};

}  // namespace keldra::platform::win32_impl
