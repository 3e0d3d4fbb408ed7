#include "platform/linux/linux_drive_table.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "platform/file_system.h"
#include "platform/linux/volume_rules.h"
#include "settings/profile_file.h"

namespace keldra::platform::linux_impl {
std::string Drive_Ini_Value(const std::string& dir) {
  const bool blank_edge = !dir.empty() && (dir.front() == ' ' || dir.front() == '\t' ||
                                           dir.back() == ' ' || dir.back() == '\t');
  const bool quoted =
      dir.size() >= 2 && (dir.front() == '"' || dir.front() == '\'') && dir.back() == dir.front();
  return (blank_edge || quoted) ? "\"" + dir + "\"" : dir;
}

Linux_Drive_Table::Linux_Drive_Table(std::string drives_ini_path, std::string mountinfo_path,
                                     Block_Devices devices)
    : drives_ini_path_(std::move(drives_ini_path)),
      mountinfo_path_(std::move(mountinfo_path)),
      devices_(std::move(devices)) {
  watch_fd_ = open(mountinfo_path_.c_str(), O_RDONLY | O_CLOEXEC);
  Scan();
}

Linux_Drive_Table::Linux_Drive_Table(Linux_Drive_Table&& o) noexcept
    : drives_ini_path_(std::move(o.drives_ini_path_)),
      mountinfo_path_(std::move(o.mountinfo_path_)),
      devices_(std::move(o.devices_)),
      mounts_(std::move(o.mounts_)),
      letters_(std::move(o.letters_)),
      watch_fd_(o.watch_fd_),
      last_watch_(o.last_watch_) {
  o.watch_fd_ = -1;
}

Linux_Drive_Table::~Linux_Drive_Table() {
  if (watch_fd_ >= 0) close(watch_fd_);
}

void Linux_Drive_Table::Look_For_Mount_Changes() {
  const auto now = std::chrono::steady_clock::now();
  if (watch_fd_ < 0 || now - last_watch_ <= std::chrono::milliseconds(250)) return;
  last_watch_ = now;
  pollfd p{watch_fd_, POLLPRI, 0};
  if (poll(&p, 1, 0) > 0 && (p.revents & (POLLPRI | POLLERR)) != 0) {
    // Reading the table again is what clears the kernel's change mark.
    char buf[4096];
    lseek(watch_fd_, 0, SEEK_SET);
    while (read(watch_fd_, buf, sizeof buf) > 0) {}
    Scan();
  }
}

Walked_Path Linux_Drive_Table::Walk(char letter) {
  const int i = Drive_Letter_Index(letter);
  if (i < 0 || letters_[static_cast<std::size_t>(i)].empty()) return {};
  Look_For_Mount_Changes();
  return Walk_Path(letters_[static_cast<std::size_t>(i)], mounts_);
}

bool Linux_Drive_Table::Query_May_Stall(char letter) {
  return Walk(letter).outcome == Walked_Path::May_Stall;
}

void Linux_Drive_Table::Scan() {
  File_Text mountinfo = Read_Text_File(mountinfo_path_);
  mounts_ = mountinfo.status == Read_Status::Ok ? Parse_Mountinfo(mountinfo.text)
                                                : std::vector<Mount_Entry>{};
  // Read with the settings' own limit, once a look, lines and pins in one pass.
  const std::string text = settings::Read_Visible_Profile_Text(drives_ini_path_);
  const Drive_Lines lines = Read_Drive_Lines(text);
  // A letter with a line of the user's is never given out, even where that line
  // cannot be used: the new letter would overwrite it.
  Letter_Assignment assignment = Assign_Drive_Letters(lines.pins, mounts_, lines.lines);
  letters_ = assignment.letters;
  // The new letters in one write. A directory that drives.ini cannot hold (a line
  // break in its name) keeps its letter for this run only, like every letter when
  // the file is read-only.
  static constexpr std::string_view Keys = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::vector<std::pair<std::string_view, std::string>> added;
  for (const auto& [letter, dir] : assignment.added) {
    if (dir.find_first_of("\r\n") != std::string::npos) continue;
    added.emplace_back(Keys.substr(static_cast<std::size_t>(Drive_Letter_Index(letter)), 1),
                       Drive_Ini_Value(dir));
  }
  if (!added.empty()) settings::Write_Private_Profile_Strings("drives", added, drives_ini_path_);
}

const std::string* Linux_Drive_Table::Directory_Of(char letter) const {
  const int i = Drive_Letter_Index(letter);
  if (i < 0 || letters_[static_cast<std::size_t>(i)].empty()) return nullptr;
  return &letters_[static_cast<std::size_t>(i)];
}

std::vector<Drive_Entry> Linux_Drive_Table::Drives() const {
  std::vector<Drive_Entry> drives;
  for (std::size_t i = 0; i < letters_.size(); ++i) {
    if (letters_[i].empty()) continue;
    Drive_Entry d;
    d.letter = static_cast<char>('A' + i);
    d.directory = letters_[i];
    // Walked without asking any volume that may not answer: a directory below such
    // a volume's mount point is taken to be there.
    const Walked_Path walked = Walk_Path(d.directory, mounts_);
    const bool present = walked.outcome != Walked_Path::Missing;
    const Mount_Entry* holder = walked.volume;
    if (present && holder) {
      d.type = Volume_Type(
          *holder, [this](unsigned maj, unsigned min) { return devices_.Is_Removable(maj, min); });
      if (holder->major != 0) d.label = devices_.Label(holder->major, holder->minor);
      if (d.type == Drive_Type::Remote) d.remote_name = holder->source;
    } else if (present) {
      d.type = Drive_Type::Fixed;
    }
    if (d.label.empty()) d.label = d.directory;
    drives.push_back(std::move(d));
  }
  return drives;
}

std::optional<std::string> Linux_Drive_Table::Drive_Form(const std::string& path) const {
  // Links are resolved only on volumes that answer; below the mount point of one
  // that may not, the path is taken as written.
  const Walked_Path walked = Walk_Path(path, mounts_);
  if (walked.outcome == Walked_Path::Missing) return std::nullopt;
  const std::string& real = walked.path;
  int best = -1;
  std::size_t best_length = 0;
  for (std::size_t i = 0; i < letters_.size(); ++i) {
    if (letters_[i].empty()) continue;
    const Walked_Path letter = Walk_Path(letters_[i], mounts_);
    const std::string& dir = letter.outcome == Walked_Path::Missing ? letters_[i] : letter.path;
    if (Is_Path_Prefix(dir, real) && (best < 0 || dir.size() > best_length)) {
      best = static_cast<int>(i);
      best_length = dir.size();
    }
  }
  if (best < 0) return std::nullopt;
  std::string form(1, static_cast<char>('A' + best));
  form += ':';
  if (best_length == 1) {
    form += real;  // the drive of "/": the whole path follows the colon
  } else if (real.size() == best_length) {
    form += '/';
  } else {
    form.append(real, best_length, std::string::npos);
  }
  return form;
}

}  // namespace keldra::platform::linux_impl
