#pragma once
#include <array>
#include <optional>

#include "platform/disk_space.h"
#include "platform/linux/linux_drive_table.h"
#include "platform/linux/volume_askers.h"

namespace keldra::platform::linux_impl {

// Space figures from statfs of the drive table's directory for a letter, as the
// user sees them: free = f_bavail, total = f_blocks - f_bfree + f_bavail (space
// only root may use is neither), each times f_frsize. No directory, a failed call
// or one that did not answer in time: all 0.
//
// A pass's drives are asked together as it begins: those whose path stays on
// volumes that answer, directly; the others through the volume askers, all within
// one bounded wait.
class Linux_Disk_Space final : public Disk_Space {
 public:
  explicit Linux_Disk_Space(Linux_Drive_Table& table, std::chrono::milliseconds wait = Volume_Wait)
      : table_(table), askers_(wait) {}
  void Ask_Drives(std::string_view letters) override;
  Disk_Space_Figures Get_Disk_Free_Space_Ex(std::string_view root_path) override;
  int Calls_In_Flight() const { return askers_.Calls_In_Flight(); }
  int Waits_Timed_Out() const { return askers_.Waits_Timed_Out(); }

 private:
  // Asks the letters not answered yet in this pass.
  void Ask(std::string_view letters);
  Linux_Drive_Table& table_;
  Volume_Askers askers_;
  // This pass's answers, by letter; a letter not asked yet is asked on its own.
  std::array<std::optional<Disk_Space_Figures>, Drive_Letter_Count> answers_;
};

// The figures a user sees, from what statfs said.
Disk_Space_Figures Figures_Of(const Volume_Space& space);

}  // namespace keldra::platform::linux_impl
