#pragma once
#include <memory>

#include "platform/held_disk_space.h"
#include "platform/linux/linux_drive_table.h"
#include "platform/linux/volume_askers.h"

namespace keldra::platform::linux_impl {

// The figures a user sees, from what statfs said: free = f_bavail, total =
// f_blocks - f_bfree + f_bavail (space only root may use is neither), each times
// f_frsize.
Disk_Space_Figures Figures_Of(const Volume_Space& space);

// How Linux asks: the drive table's volume askers, one helper process a volume.
class Linux_Drive_Askers final : public Drive_Askers {
 public:
  explicit Linux_Drive_Askers(const Linux_Drive_Table& table) : table_(table) {}
  std::string Send(std::string_view letters) override { return table_.Send(letters); }
  std::vector<Drive_Answer> Collect(std::string_view awaited, Steady_Time deadline) override;
  std::optional<Steady_Time> Out_Since(char letter) const override;
  int Questions_Out() const override { return table_.Questions_Out(); }

 private:
  const Linux_Drive_Table& table_;
};

// Space figures of the drive table's directory for each letter, asked as the held
// policy says.
class Linux_Disk_Space final : public Held_Disk_Space {
 public:
  explicit Linux_Disk_Space(const Linux_Drive_Table& table,
                            std::chrono::milliseconds wait = Volume_Wait,
                            std::chrono::milliseconds hold = Held_Answer_Limit)
      : Held_Disk_Space(std::make_unique<Linux_Drive_Askers>(table), wait, hold) {}
};

}  // namespace keldra::platform::linux_impl
