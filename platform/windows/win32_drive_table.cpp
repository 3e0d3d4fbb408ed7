#include "platform/windows/win32_drive_table.h"

#include <windows.h>
#include <winnetwk.h>

#include <cctype>

#include "platform/bounded_call.h"
#include "platform/windows/win32_system_function.h"

namespace keldra::platform::win32_impl {
namespace {

int Index_Of(char letter) {
  const int upper = std::toupper(static_cast<unsigned char>(letter));
  return upper >= 'A' && upper <= 'Z' ? upper - 'A' : -1;
}

// The volume label; "" when there is none. Asked on a worker whose critical-error
// boxes are off (see Ask_System).
std::string Volume_Label(const std::string& root) {
  char label[MAX_PATH + 1] = {};
  const BOOL ok = GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr,
                                        nullptr, nullptr, 0);
  return ok ? std::string(label) : std::string();
}

// "\\server\share" of a mapped letter, or "" when the system cannot say.
std::string Remote_Name(char letter) {
  auto* get_connection =
      System_Function<decltype(WNetGetConnectionA)>("mpr.dll", "WNetGetConnectionA");
  if (!get_connection) return std::string();
  const std::string local = std::string(1, letter) + ":";
  std::string remote(MAX_PATH, '\0');
  DWORD size = static_cast<DWORD>(remote.size());
  DWORD result = get_connection(local.c_str(), remote.data(), &size);
  if (result == ERROR_MORE_DATA) {
    remote.assign(size, '\0');
    result = get_connection(local.c_str(), remote.data(), &size);
  }
  if (result != NO_ERROR) return std::string();
  remote.resize(remote.find('\0'));
  return remote;
}

}  // namespace

Drive_Type Drive_Type_Of(unsigned system_type) {
  switch (system_type) {
    case DRIVE_REMOVABLE: return Drive_Type::Removable;
    case DRIVE_FIXED: return Drive_Type::Fixed;
    case DRIVE_REMOTE: return Drive_Type::Remote;
    case DRIVE_CDROM: return Drive_Type::Cdrom;
    case DRIVE_RAMDISK: return Drive_Type::Ramdisk;
    default: return Drive_Type::Missing;  // unknown, or no root directory
  }
}

Win32_Drive_Table::Win32_Drive_Table(Win32_Letter_Askers::Job job) : askers_(std::move(job)) {
  for (int i = 0; i < Drive_Letter_Count; ++i)
    roots_[i] = std::string(1, static_cast<char>('A' + i)) + ":\\";
}

const std::string* Win32_Drive_Table::Directory_Of(char letter) const {
  const int i = Index_Of(letter);
  return i < 0 ? nullptr : &roots_[i];
}

Drive_Entry Describe_Drive(char letter) {
  Drive_Entry d;
  d.letter = letter;
  d.directory = std::string(1, letter) + ":\\";
  d.type = Drive_Type_Of(GetDriveTypeA(d.directory.c_str()));
  // A network drive's remote name is the system's own record, so its server is
  // asked for a label only when there is no name; a removable drive's medium is
  // not touched at all.
  if (d.type == Drive_Type::Remote) d.remote_name = Remote_Name(d.letter);
  const bool label_shown = d.type == Drive_Type::Fixed || d.type == Drive_Type::Cdrom ||
                           d.type == Drive_Type::Ramdisk ||
                           (d.type == Drive_Type::Remote && d.remote_name.empty());
  if (label_shown) d.label = Volume_Label(d.directory);
  return d;
}

std::vector<Drive_Entry> Win32_Drive_Table::Drives(std::chrono::milliseconds wait) const {
  // The letters in use are the system's own record; what stands behind each is
  // asked on the workers, within one wait shared by all.
  const DWORD mask = GetLogicalDrives();
  std::string present;
  for (int i = 0; i < Drive_Letter_Count; ++i) {
    if (mask & (1u << i)) present += static_cast<char>('A' + i);
  }
  std::string asked;
  for (const char c : present) {
    if (askers_.Send(c, Letter_Question::Describe)) asked += c;
  }
  // Every answer that came in, this call's and late ones to earlier calls.
  for (const auto& [letter, facts] :
       askers_.Collect(Letter_Question::Describe, asked, std::chrono::steady_clock::now() + wait)) {
    const int i = Drive_Letter_Index(letter);
    if (i >= 0) described_[static_cast<std::size_t>(i)] = facts.entry;
  }
  std::vector<Drive_Entry> drives;
  for (int i = 0; i < Drive_Letter_Count; ++i) {
    const auto& described = described_[static_cast<std::size_t>(i)];
    Drive_Entry d;
    d.letter = static_cast<char>('A' + i);
    d.directory = roots_[i];
    if (mask & (1u << i)) {
      if (described) {
        d = *described;  // its answer, or its last one while a new question is out
      } else {
        // Never answered: listed by its letter alone.
        d.type = Drive_Type::Fixed;
        d.answered = false;
      }
    }
    drives.push_back(std::move(d));
  }
  return drives;
}

std::optional<std::string> Win32_Drive_Table::Drive_Form(const std::string& path,
                                                         std::chrono::milliseconds) const {
  if (path.empty()) return std::nullopt;
  DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return std::nullopt;
  std::string full(size, '\0');
  size = GetFullPathNameA(path.c_str(), size, full.data(), nullptr);
  if (size == 0 || size >= full.size()) return std::nullopt;
  full.resize(size);
  // "\\server\share\..." and "\\?\..." lie on no letter.
  if (full.size() < 2 || full[1] != ':' || Index_Of(full[0]) < 0) return std::nullopt;
  full[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(full[0])));
  return full;
}

}  // namespace keldra::platform::win32_impl
