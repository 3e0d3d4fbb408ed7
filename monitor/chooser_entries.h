#pragma once
// Which drives the options dialog's drive chooser lists, and the text of each.
#include <string>
#include <vector>

#include "platform/drive_table.h"

namespace keldra::monitor {

// "a:" for a removable drive, "c: [label]" for fixed, CD-ROM and RAM drives,
// "f: //server/share" for a remote one (its label in brackets when it has no
// remote name), all in lower case. Empty for a drive the chooser does not list.
std::string Chooser_Entry_Text(const platform::Drive_Entry& drive);

struct Chooser_Entry {
  char letter = 'a';  // lower case
  platform::Drive_Type type = platform::Drive_Type::Fixed;
  std::string text;
};

// The listed drives, a to z.
std::vector<Chooser_Entry> Chooser_Entries(const std::vector<platform::Drive_Entry>& drives);

}  // namespace keldra::monitor
