#pragma once
// The drive table on Linux: drives.ini pins, automatic letters recorded at first
// sight, and the volumes of /proc/self/mountinfo.
//
// Nothing here asks a volume on the caller's thread: every path a letter, a drop
// or the current folder names is asked by the volume askers, whose answers teach
// the table where each letter really leads (its real path and its mount). Until a
// letter has answered, its directory's text and the mount table stand in.
#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/bounded_call.h"
#include "platform/drive_table.h"
#include "platform/early_jobs.h"
#include "platform/linux/block_devices.h"
#include "platform/linux/drive_letters.h"
#include "platform/linux/mountinfo.h"
#include "platform/linux/volume_askers.h"

namespace keldra::platform::linux_impl {

class Linux_Drive_Table final : public Drive_Table {
 public:
  explicit Linux_Drive_Table(std::string drives_ini_path,
                             std::string mountinfo_path = "/proc/self/mountinfo",
                             Block_Devices devices = Block_Devices(),
                             std::string fstab_path = "/etc/fstab");

  // Reads the mount table and drives.ini again, gives new volumes their letters and
  // appends those to drives.ini (where it cannot be written they last for the run).
  // drives.ini is read and written in a helper, within one bounded wait: the
  // program's folder may be on a volume that has stopped answering, and then the
  // pins read last stay.
  void Scan();

  ~Linux_Drive_Table() override;
  Linux_Drive_Table(const Linux_Drive_Table&) = delete;
  Linux_Drive_Table& operator=(const Linux_Drive_Table&) = delete;

  const std::string* Directory_Of(char letter) const override;
  using Drive_Table::Drives;
  std::vector<Drive_Entry> Drives(std::chrono::milliseconds wait) const override;
  using Drive_Table::Drive_Form;
  std::optional<std::string> Drive_Form(const std::string& path,
                                        std::chrono::milliseconds wait) const override;

  // Sends a question for each letter whose volume has none out; the letters asked.
  // A letter with no directory is answered at once, as having no volume. With
  // real_paths, the answers say where each directory really is.
  std::string Send(std::string_view letters, bool real_paths = false) const;
  // Waits until none of the awaited letters' volumes has a question out, or until
  // the deadline; learns from every answer that came.
  void Wait(std::string_view awaited, std::int64_t deadline_ns) const;
  // The answers learned since the last call, by letter.
  std::vector<std::pair<char, Volume_Reply>> Take_Answers() const;
  // When the question standing for the letter went out, if one is out.
  std::optional<std::int64_t> Out_Since(char letter) const;
  int Questions_Out() const { return askers_.Questions_Out(); }
  int Helpers_Alive() const { return askers_.Helpers_Alive(); }
  const std::vector<Mount_Entry>& Mounts() const { return mounts_; }

 private:
  std::string drives_ini_path_;
  std::string mountinfo_path_;
  Block_Devices devices_;
  std::string fstab_path_;
  // What the askers last said of a letter's directory.
  struct Learned {
    bool answered = false;
    Volume_Reply reply;
  };
  void Look_For_Mount_Changes() const;
  void Read_Drives_Ini() const;
  // The lines of a read of drives.ini, or (none: it did not answer) the pins read
  // last kept and no new letter written into the file; whether it answered.
  bool Take_Drive_Lines(const std::optional<std::string>& ini) const;
  // Takes what the read started at the last mount change gave, once it has come or
  // its wait is over.
  void Take_Drives_Ini() const;
  // Gives out letters from the mount table and the pins read last, and records the
  // new ones in drives.ini (not while the pins are being read again: they are
  // recorded once those are known).
  void Assign_Letters(bool record = true) const;
  const Mount_Entry* Mount_With_Id(std::uint64_t id) const;
  // The volume a letter's directory is on: as its last answer said, or as the
  // mount table suggests.
  const Mount_Entry* Volume_Of(std::size_t letter) const;
  std::string Key_Of(std::size_t letter) const;
  void Learn(std::vector<Asked_Path> replies) const;
  // Adds the lettered directories the mount table shows as mount points to those
  // known to be meant for a volume.
  void Remember_Mount_Points() const;
  // A letter's directory meant for a volume (in /etc/fstab, or seen as a mount point
  // during this run) that the answer shows lying on another volume: its own is not
  // mounted, and the figures of the one beneath are not the drive's.
  bool Not_Mounted(std::size_t letter, const Volume_Reply& reply) const;
  // The letter whose real directory holds a real path, longest first.
  std::optional<std::string> Drive_Form_Of_Real(const std::string& real) const;

  // All of it learned from the system, and looked at again whenever the mount
  // table changes, which asking does: the table's constness is its callers'.
  mutable std::vector<Mount_Entry> mounts_;
  mutable Drive_Lines lines_{};
  mutable bool lines_known_ = false;  // the last read of drives.ini answered
  mutable Letter_Directories letters_;
  int watch_fd_ = -1;  // the mount table, polled for changes
  mutable std::chrono::steady_clock::time_point last_watch_{};
  // drives.ini read again after a mount change, not waited for, and when it began.
  mutable std::unique_ptr<Bounded_Job> ini_reading_;
  mutable std::chrono::steady_clock::time_point ini_started_{};
  mutable Volume_Askers askers_;
  mutable std::array<Learned, Drive_Letter_Count> learned_{};
  mutable std::array<std::string, Drive_Letter_Count> asked_key_{};
  mutable std::vector<std::pair<char, Volume_Reply>> answers_;
  mutable std::set<std::string> mount_points_;
  mutable bool fstab_read_ = false;  // its mount points are in mount_points_
};

// A value as drives.ini must hold it to read back unchanged: quoted when blanks at
// either end or enclosing quotes would otherwise be lost.
std::string Drive_Ini_Value(const std::string& directory);

// Reading drives.ini's text (within the settings' limit), as the table does first;
// the same job whether started early or not.
Early_Job Drives_Ini_Read(const std::string& path);

}  // namespace keldra::platform::linux_impl
