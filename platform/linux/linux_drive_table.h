#pragma once
// The drive table on Linux: drives.ini pins, automatic letters recorded at first
// sight, and the volumes of /proc/self/mountinfo.
#include <array>
#include <chrono>
#include <string>

#include "platform/drive_table.h"
#include "platform/linux/block_devices.h"
#include "platform/linux/drive_letters.h"
#include "platform/linux/mountinfo.h"
#include "platform/linux/path_walk.h"

namespace keldra::platform::linux_impl {

class Linux_Drive_Table final : public Drive_Table {
 public:
  explicit Linux_Drive_Table(std::string drives_ini_path,
                             std::string mountinfo_path = "/proc/self/mountinfo",
                             Block_Devices devices = Block_Devices());

  // Reads the mount table and drives.ini again, gives new volumes their letters and
  // appends those to drives.ini (where it cannot be written they last for the run).
  void Scan();

  ~Linux_Drive_Table() override;
  Linux_Drive_Table(const Linux_Drive_Table&) = delete;
  Linux_Drive_Table& operator=(const Linux_Drive_Table&) = delete;
  Linux_Drive_Table(Linux_Drive_Table&& other) noexcept;

  const std::string* Directory_Of(char letter) const override;
  // Where asking the letter's directory leads, found without waiting on a volume
  // (a letter with no directory is Missing). Looks again at the mount table (at
  // most every quarter second) when the kernel says it changed, so a volume
  // mounted since still gets the right treatment.
  Walked_Path Walk(char letter);
  bool Query_May_Stall(char letter) override;
  std::vector<Drive_Entry> Drives() const override;
  std::optional<std::string> Drive_Form(const std::string& path) const override;

  const std::vector<Mount_Entry>& Mounts() const { return mounts_; }

 private:
  std::string drives_ini_path_;
  std::string mountinfo_path_;
  Block_Devices devices_;
  void Look_For_Mount_Changes();
  std::vector<Mount_Entry> mounts_;
  Letter_Directories letters_;
  int watch_fd_ = -1;  // the mount table, polled for changes
  std::chrono::steady_clock::time_point last_watch_{};
};

// A value as drives.ini must hold it to read back unchanged: quoted when blanks at
// either end or enclosing quotes would otherwise be lost.
std::string Drive_Ini_Value(const std::string& directory);

}  // namespace keldra::platform::linux_impl
