#include "platform/linux/linux_drive_table.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <utility>

#include "ini/ini_text.h"
#include "platform/bounded_call.h"
#include "platform/file_system.h"
#include "platform/held_disk_space.h"
#include "platform/linux/volume_rules.h"
#include "platform/module_path.h"
#include "platform/profile_file.h"
#include "platform/program_files.h"

namespace keldra::platform::linux_impl {
namespace {

constexpr std::string_view Keys = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// A helper nobody asked for this long is let go of; a volume asked again gets a
// new one.
constexpr std::int64_t kIdleHelperNs = 10LL * 60 * 1'000'000'000;

// What stays the same across a volume's remounts: a helper is kept for it.
std::string Volume_Key(const Mount_Entry* m) {
  if (m == nullptr) return "\n/";
  return m->fs_type + '\n' + m->source + '\n' + m->root + '\n' + m->mount_point;
}

// A question stuck on a path of a volume that answers by itself leads elsewhere (a
// link into a hung volume): that path keeps the stuck helper, under a key of its
// own, and the volume's other paths get a new one.
std::string Stuck_Key(const std::string& path) { return "stuck\n" + path; }

constexpr std::string_view Local_Key = "local";

}  // namespace

std::string Drive_Ini_Value(const std::string& dir) {
  const bool blank_edge = !dir.empty() && (dir.front() == ' ' || dir.front() == '\t' ||
                                           dir.back() == ' ' || dir.back() == '\t');
  const bool quoted =
      dir.size() >= 2 && (dir.front() == '"' || dir.front() == '\'') && dir.back() == dir.front();
  return (blank_edge || quoted) ? "\"" + dir + "\"" : dir;
}

Linux_Drive_Table::Linux_Drive_Table(std::string drives_ini_path, std::string mountinfo_path,
                                     Block_Devices devices, std::string fstab_path)
    : drives_ini_path_(std::move(drives_ini_path)),
      mountinfo_path_(std::move(mountinfo_path)),
      devices_(std::move(devices)),
      fstab_path_(std::move(fstab_path)) {
  watch_fd_ = open(mountinfo_path_.c_str(), O_RDONLY | O_CLOEXEC);
  Scan();
}

Linux_Drive_Table::~Linux_Drive_Table() {
  if (watch_fd_ >= 0) close(watch_fd_);
}

void Linux_Drive_Table::Scan() {
  File_Text mountinfo = Read_Text_File(mountinfo_path_);
  mounts_ = mountinfo.status == Read_Status::Ok ? Parse_Mountinfo(mountinfo.text)
                                                : std::vector<Mount_Entry>{};
  Read_Drives_Ini();
  Assign_Letters();
  Remember_Mount_Points();
}

void Linux_Drive_Table::Remember_Mount_Points() const {
  for (const Mount_Entry& m : mounts_) {
    if (std::find(letters_.begin(), letters_.end(), m.mount_point) != letters_.end()) {
      mount_points_.insert(m.mount_point);
    }
  }
}

bool Linux_Drive_Table::Not_Mounted(std::size_t i, const Volume_Reply& reply) const {
  if (!reply.found || letters_[i] == "/") return false;
  const Mount_Entry* holder = Mount_With_Id(reply.mount_id);
  if (holder == nullptr) holder = Mount_Holding(mounts_, letters_[i]);
  if (holder == nullptr || holder->mount_point == letters_[i]) return false;
  // Only a folder that is no mount point needs the system's list of those meant for a
  // volume: read once, the first time one is met (/etc is the root volume's).
  if (!fstab_read_) {
    fstab_read_ = true;
    const File_Text fstab = Read_Text_File(fstab_path_, 1 << 20);
    if (fstab.status == Read_Status::Ok) {
      for (std::string& point : Parse_Fstab_Mount_Points(fstab.text)) {
        mount_points_.insert(std::move(point));
      }
    }
  }
  return mount_points_.contains(letters_[i]);
}

void Linux_Drive_Table::Read_Drives_Ini() const {
  // drives.ini lies in the program's folder, which may be on a volume that has
  // stopped answering: read in a helper, with the settings' own limit. Where it does
  // not answer in time, the pins read last stay, and no new letter is written into a
  // file whose lines are not known.
  const Early_Job read = Drives_Ini_Read(drives_ini_path_);
  Take_Drive_Lines(Run_Bounded_Early(read.key, read.job, Volume_Wait, read.place));
}

bool Linux_Drive_Table::Take_Drive_Lines(const std::optional<std::string>& ini) const {
  lines_known_ = ini.has_value();
  if (ini) lines_ = Read_Drive_Lines(*ini);
  return lines_known_;
}

void Linux_Drive_Table::Assign_Letters(bool record) const {
  // A letter with a line of the user's is never given out, even where that line
  // cannot be used: the new letter would overwrite it.
  const Letter_Assignment assignment = Assign_Drive_Letters(lines_.pins, mounts_, lines_.lines);
  for (std::size_t i = 0; i < letters_.size(); ++i) {
    if (letters_[i] != assignment.letters[i]) learned_[i] = {};
  }
  letters_ = assignment.letters;
  if (!record) return;
  // The new letters in one write. A directory that drives.ini cannot hold (a line
  // break in its name, or a name longer than a read gives back whole, which would come
  // back cut as a pin to nowhere and the volume take a new letter at every read)
  // keeps its letter for this run only, like every letter when the file is read-only.
  std::vector<std::pair<std::string_view, std::string>> added;
  for (const auto& [letter, dir] : assignment.added) {
    std::string value = Drive_Ini_Value(dir);
    if (dir.find_first_of("\r\n") != std::string::npos || value.size() > ini::Max_Profile_Value)
      continue;
    added.emplace_back(Keys.substr(static_cast<std::size_t>(Drive_Letter_Index(letter)), 1),
                       std::move(value));
    if (lines_known_) {
      lines_.lines[static_cast<std::size_t>(Drive_Letter_Index(letter))] = true;
      lines_.pins[static_cast<std::size_t>(Drive_Letter_Index(letter))] = dir;
    }
  }
  if (added.empty() || !lines_known_) return;
  const std::string path = drives_ini_path_;
  Run_Bounded(
      [added, path] {
        Make_Settings_Folder(path);
        platform::Write_Private_Profile_Strings("drives", added, path);
        return std::string();
      },
      Volume_Wait, Directory_With_Separator(path));
}

void Linux_Drive_Table::Look_For_Mount_Changes() const {
  Take_Drives_Ini();
  const auto now = std::chrono::steady_clock::now();
  if (watch_fd_ < 0 || now - last_watch_ <= std::chrono::milliseconds(250)) return;
  last_watch_ = now;
  pollfd p{watch_fd_, POLLPRI, 0};
  if (poll(&p, 1, 0) <= 0 || (p.revents & (POLLPRI | POLLERR)) == 0) return;
  // Reading the table again is what clears the kernel's change mark. The kernel
  // writes it from its own records: no volume is asked.
  std::string text;
  char buf[65536];
  lseek(watch_fd_, 0, SEEK_SET);
  for (ssize_t n; (n = read(watch_fd_, buf, sizeof buf)) > 0;)
    text.append(buf, static_cast<std::size_t>(n));
  mounts_ = Parse_Mountinfo(text);
  // The pins may have changed too (the volume holding them came or went): read again
  // in a helper, not waited for. A pass may just have spent its one wait on another
  // volume, and the program's folder may be on one that has stopped answering; the
  // new mounts get their letters now, from the pins read last.
  if (!ini_reading_) {
    const Early_Job read = Drives_Ini_Read(drives_ini_path_);
    ini_reading_ = std::make_unique<Bounded_Job>(read.job, read.place);
    ini_started_ = now;
  }
  Assign_Letters(false);
  Remember_Mount_Points();
}

void Linux_Drive_Table::Take_Drives_Ini() const {
  if (!ini_reading_) return;
  const bool over = std::chrono::steady_clock::now() - ini_started_ >= Volume_Wait;
  if (ini_reading_->Started() && !over && !ini_reading_->Ready()) return;
  // Come (the rest of it follows at once) or over: the answer, or nothing.
  const std::optional<std::string> ini =
      ini_reading_->Answer(over ? std::chrono::milliseconds{0} : std::chrono::milliseconds{100});
  ini_reading_.reset();
  if (!Take_Drive_Lines(ini)) return;  // the pins read last stay
  Assign_Letters();
  Remember_Mount_Points();
}

const Mount_Entry* Linux_Drive_Table::Mount_With_Id(std::uint64_t id) const {
  if (id == 0) return nullptr;
  for (const Mount_Entry& m : mounts_) {
    if (static_cast<std::uint64_t>(m.mount_id) == id) return &m;
  }
  return nullptr;
}

const Mount_Entry* Linux_Drive_Table::Volume_Of(std::size_t i) const {
  if (learned_[i].answered && learned_[i].reply.found) {
    if (const Mount_Entry* m = Mount_With_Id(learned_[i].reply.mount_id)) return m;
  }
  return Mount_Holding(mounts_, letters_[i]);
}

std::string Linux_Drive_Table::Key_Of(std::size_t i) const {
  const std::string stuck = Stuck_Key(letters_[i]);
  if (askers_.Out_Since(stuck)) return stuck;
  // Volumes that answer by themselves share one helper: one round trip a pass for
  // all of them. Should one of their paths lead into a volume that stops answering,
  // that path is given a helper of its own (see Send).
  const Mount_Entry* volume = Volume_Of(i);
  if (volume != nullptr && !Volume_May_Stall(volume)) return std::string(Local_Key);
  return Volume_Key(volume);
}

std::string Linux_Drive_Table::Send(std::string_view letters, bool real_paths) const {
  Look_For_Mount_Changes();
  Learn(askers_.Collect({}, 0));  // answers that came late: who is still out is known
  const std::int64_t now = Monotonic_Ns();
  // Helpers whose volume has left the table, that no letter leads to any more (its
  // mount was given another key, its letter went, a dropped path was answered) or
  // that nobody asked for a long time. One with a question out stays while its
  // volume is there: it is the only one that knows when that volume answers.
  std::set<std::string> needed;
  for (std::size_t i = 0; i < letters_.size(); ++i) {
    if (!letters_[i].empty()) needed.insert(Key_Of(i));
  }
  askers_.Retire([&](const std::string& key, std::uint64_t mount_id, bool out, std::int64_t sent) {
    if (mount_id != 0 && Mount_With_Id(mount_id) == nullptr) return true;
    if (out) return false;
    return now - sent > kIdleHelperNs || !needed.contains(key);
  });
  // A volume that answers by itself has nothing out by the next pass, unless the
  // question went somewhere else (a link into a hung volume): the path it is stuck
  // on keeps that helper, and the volume's other paths get a new one.
  for (const char c : letters) {
    const int i = Drive_Letter_Index(c);
    if (i < 0 || letters_[static_cast<std::size_t>(i)].empty()) continue;
    const std::string key = Key_Of(static_cast<std::size_t>(i));
    const Mount_Entry* volume = Volume_Of(static_cast<std::size_t>(i));
    if (!askers_.Out_Since(key) || volume == nullptr || Volume_May_Stall(volume)) continue;
    if (key.rfind("stuck\n", 0) == 0) continue;
    const std::vector<std::string> stuck = askers_.Unanswered(key);
    if (!stuck.empty()) askers_.Rekey(key, Stuck_Key(stuck.front()));
  }
  std::map<std::string, std::vector<std::size_t>> by_key;
  for (const char c : letters) {
    const int i = Drive_Letter_Index(c);
    if (i < 0) continue;
    const auto index = static_cast<std::size_t>(i);
    if (letters_[index].empty()) {
      // No directory: nothing to ask.
      Volume_Reply none;
      none.done_ns = now;
      learned_[index] = {true, none};
      answers_.emplace_back(static_cast<char>('A' + i), none);
      continue;
    }
    auto& group = by_key[Key_Of(index)];
    if (std::find(group.begin(), group.end(), index) == group.end()) group.push_back(index);
  }
  std::string asked;
  for (auto& [key, group] : by_key) {
    const Mount_Entry* volume = Volume_Of(group.front());
    std::vector<std::string> paths;
    for (const std::size_t i : group) paths.push_back(letters_[i]);
    for (const std::size_t i : group) asked_key_[i] = key;
    // The shared helper of the volumes that answer belongs to none of them.
    const std::uint64_t mount_id =
        volume && key != Local_Key ? static_cast<std::uint64_t>(volume->mount_id) : 0;
    if (!askers_.Send(key, mount_id, paths, real_paths)) continue;
    for (const std::size_t i : group) asked += static_cast<char>('A' + i);
  }
  return asked;
}

void Linux_Drive_Table::Learn(std::vector<Asked_Path> replies) const {
  for (Asked_Path& a : replies) {
    for (std::size_t i = 0; i < letters_.size(); ++i) {
      if (letters_[i].empty() || letters_[i] != a.path) continue;
      Volume_Reply reply = a.reply;
      if (Not_Mounted(i, reply)) {
        reply = Volume_Reply{};
        reply.not_mounted = true;
        reply.done_ns = a.reply.done_ns;
      }
      learned_[i] = {true, reply};
      answers_.emplace_back(static_cast<char>('A' + i), reply);
    }
  }
}

void Linux_Drive_Table::Wait(std::string_view awaited, std::int64_t deadline_ns) const {
  Volume_Askers::Awaited paths;
  for (const char c : awaited) {
    const int i = Drive_Letter_Index(c);
    if (i < 0 || asked_key_[static_cast<std::size_t>(i)].empty()) continue;
    paths.emplace_back(asked_key_[static_cast<std::size_t>(i)],
                       letters_[static_cast<std::size_t>(i)]);
  }
  Learn(askers_.Collect(paths, deadline_ns));
}

std::vector<std::pair<char, Volume_Reply>> Linux_Drive_Table::Take_Answers() const {
  return std::exchange(answers_, {});
}

std::optional<std::int64_t> Linux_Drive_Table::Out_Since(char letter) const {
  const int i = Drive_Letter_Index(letter);
  if (i < 0 || asked_key_[static_cast<std::size_t>(i)].empty()) return std::nullopt;
  return askers_.Out_Since(asked_key_[static_cast<std::size_t>(i)]);
}

const std::string* Linux_Drive_Table::Directory_Of(char letter) const {
  const int i = Drive_Letter_Index(letter);
  if (i < 0 || letters_[static_cast<std::size_t>(i)].empty()) return nullptr;
  return &letters_[static_cast<std::size_t>(i)];
}

std::vector<Drive_Entry> Linux_Drive_Table::Drives(std::chrono::milliseconds wait) const {
  // Every lettered directory is asked, within one wait shared by all; one whose
  // volume does not answer in time is listed as the mount table suggests.
  std::string all;
  for (std::size_t i = 0; i < letters_.size(); ++i) {
    if (!letters_[i].empty()) all += static_cast<char>('A' + i);
  }
  Wait(Send(all),
       Monotonic_Ns() + static_cast<std::int64_t>(std::chrono::nanoseconds(wait).count()));
  std::vector<Drive_Entry> drives;
  for (std::size_t i = 0; i < letters_.size(); ++i) {
    if (letters_[i].empty()) continue;
    Drive_Entry d;
    d.letter = static_cast<char>('A' + i);
    d.directory = letters_[i];
    const bool present = !learned_[i].answered || learned_[i].reply.found;
    const Mount_Entry* holder = Volume_Of(i);
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

std::optional<std::string> Linux_Drive_Table::Drive_Form_Of_Real(const std::string& real) const {
  int best = -1;
  std::size_t best_length = 0;
  for (std::size_t i = 0; i < letters_.size(); ++i) {
    if (letters_[i].empty()) continue;
    const Learned& l = learned_[i];
    const std::string& dir =
        l.answered && l.reply.found && !l.reply.real_path.empty() ? l.reply.real_path : letters_[i];
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

std::optional<std::string> Linux_Drive_Table::Drive_Form(const std::string& path,
                                                         std::chrono::milliseconds wait) const {
  if (path.empty() || path.front() != '/') return std::nullopt;
  // The path and the letters' directories are asked together, by the helpers that
  // stand for them, within one wait: what a link leads to is known only once asked.
  std::string all;
  for (std::size_t i = 0; i < letters_.size(); ++i) {
    if (!letters_[i].empty()) all += static_cast<char>('A' + i);
  }
  const std::string asked = Send(all, true);
  const std::string key = "resolve\n" + path;
  askers_.Retire([&](const std::string& k, std::uint64_t, bool out, std::int64_t) {
    return !out && k.rfind("resolve\n", 0) == 0;
  });
  std::optional<Volume_Reply> reply;
  if (askers_.Send(key, 0, {path}, true)) {
    const std::int64_t deadline =
        Monotonic_Ns() + std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    Volume_Askers::Awaited awaited{{key, path}};
    for (const char c : asked) {
      const auto i = static_cast<std::size_t>(Drive_Letter_Index(c));
      awaited.emplace_back(asked_key_[i], letters_[i]);
    }
    std::vector<Asked_Path> replies = askers_.Collect(awaited, deadline);
    for (const Asked_Path& a : replies) {
      if (a.path == path) reply = a.reply;
    }
    Learn(std::move(replies));
  }
  if (!reply || !reply->found || reply->real_path.empty()) return std::nullopt;
  return Drive_Form_Of_Real(reply->real_path);
}

Early_Job Drives_Ini_Read(const std::string& path) {
  return {"drives.ini " + path, [path] { return platform::Read_Visible_Profile_Text(path); },
          Directory_With_Separator(path)};
}

}  // namespace keldra::platform::linux_impl
