#pragma once
// The drive letters A to Z and what stands behind each: the stand-in for the
// system's logical drives, their types, labels and remote names.
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/bounded_call.h"

namespace keldra::platform {

// The letters A to Z: as many drives as Keldra can monitor at once.
inline constexpr int Drive_Letter_Count = 26;

enum class Drive_Type { Missing, Removable, Fixed, Remote, Cdrom, Ramdisk };

const char* Drive_Type_Name(Drive_Type type);

// 0 for A (or a) to 25 for Z; -1 for anything that is not a drive letter.
int Drive_Letter_Index(char letter);

struct Drive_Entry {
  char letter = 'A';      // upper case
  std::string directory;  // absolute
  Drive_Type type = Drive_Type::Missing;
  std::string label;        // filesystem label, or the directory when there is none
  std::string remote_name;  // mount source of a remote drive, otherwise empty
  // False for a drive that did not answer in time: only its letter is known.
  bool answered = true;
};

class Drive_Table {
 public:
  virtual ~Drive_Table() = default;
  // The directory behind a letter (either case), or nullptr for a letter with none.
  // Cheap: the refresh pass asks for it four times per drive.
  virtual const std::string* Directory_Of(char letter) const = 0;
  // Every lettered drive, A to Z, present or not. Asks the volumes, within one
  // bounded wait shared by all (none for a wait of 0): one that does not answer in
  // time is listed by what is known of it without asking, or by its last answer.
  // A volume with a question still out is not asked again.
  virtual std::vector<Drive_Entry> Drives(std::chrono::milliseconds wait) const = 0;
  std::vector<Drive_Entry> Drives() const { return Drives(Volume_Wait); }
  // A local path in drive form, "D:" followed by the rest of its real path, or
  // nothing when the path lies on no lettered drive or its volume did not answer
  // within the wait.
  virtual std::optional<std::string> Drive_Form(const std::string& path,
                                                std::chrono::milliseconds wait) const = 0;
  std::optional<std::string> Drive_Form(const std::string& path) const {
    return Drive_Form(path, Volume_Wait);
  }
};

}  // namespace keldra::platform
