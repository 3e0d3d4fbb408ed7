#pragma once
#include "platform/disk_space.h"
#include "platform/drive_table.h"
#include "platform/linux/bounded_statvfs.h"

namespace keldra::platform::linux_impl {

// Space figures from statvfs on the drive table's directory for the root path's
// letter: total = f_blocks, total free = f_bfree, free to the caller = f_bavail,
// each times f_frsize. No directory, a failed call or one that does not answer in
// time: all 0. Volumes that cannot hang are asked directly, the others through a
// bounded wait.
class Linux_Disk_Space final : public Disk_Space {
 public:
  explicit Linux_Disk_Space(Drive_Table& table, std::chrono::milliseconds wait = Statvfs_Wait)
      : table_(table), bounded_(wait) {}
  Disk_Space_Figures Get_Disk_Free_Space_Ex(std::string_view root_path) override;
  int Calls_In_Flight() { return bounded_.Calls_In_Flight(); }
  int Waits_Timed_Out() const { return bounded_.Waits_Timed_Out(); }

 private:
  Drive_Table& table_;
  Bounded_Statvfs bounded_;
};

}  // namespace keldra::platform::linux_impl
