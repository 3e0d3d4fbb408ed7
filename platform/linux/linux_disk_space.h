#pragma once
#include "platform/disk_space.h"
#include "platform/drive_table.h"

namespace keldra::platform::linux_impl {

// Space figures from statvfs on the drive table's directory for the root path's
// letter: total = f_blocks, total free = f_bfree, free to the caller = f_bavail,
// each times f_frsize. No directory or a failed call: all 0.
class Linux_Disk_Space final : public Disk_Space {
 public:
  explicit Linux_Disk_Space(const Drive_Table& table) : table_(table) {}
  Disk_Space_Figures Get_Disk_Free_Space_Ex(std::string_view root_path) override;

 private:
  const Drive_Table& table_;
};

}  // namespace keldra::platform::linux_impl
