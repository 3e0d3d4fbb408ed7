#pragma once
// The low-space notices' own file, notices.ini beside the settings (never
// keldra.ini, whose keys the window owns): the limits a user may set, the drives
// not to warn about again, and each drive's free space at its last notice, so that
// a restart (a log-on, a reboot) does not warn again about what was already said.
//
//   [notices]
//   free_percent=5
//   free_megabytes=2048
//   quiet_drives=DE
//   noticed_C=1048576
#include <chrono>
#include <string>

#include "notices/low_space_rules.h"

namespace keldra::notices {

struct Notice_Settings {
  Notice_Limits limits;
  Notice_Memory memory;
  // Whether the file held the limits: when it did not, the first save writes the
  // defaults in, for a user to find and change.
  bool limits_in_file = false;
};

std::string Notice_File_Path(const std::string& executable_path);

// The file's text as read: missing or malformed keys read as their defaults.
Notice_Settings Parse_Notice_Settings(const std::string& text);

// The keys whose values differ between then and now, in one replacement of the file
// (with the limits when the file lacked them). Both run in a helper within the wait,
// since the settings folder may be on a volume that does not answer; a read that
// does not answer gives the defaults, a save that does not answer is false.
Notice_Settings Load_Notice_Settings(const std::string& path, std::chrono::milliseconds wait);
bool Save_Notice_Changes(const Notice_Settings& then, const Notice_Settings& now,
                         const std::string& path, std::chrono::milliseconds wait);

}  // namespace keldra::notices
