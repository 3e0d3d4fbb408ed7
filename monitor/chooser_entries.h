#pragma once
// Which drives the options dialog's drive chooser lists, and the text of each.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "platform/drive_table.h"

namespace keldra::monitor {

// "a:" for a removable drive, "c: [label]" for fixed, CD-ROM and RAM drives,
// "f: //server/share" for a remote one (its label in brackets when it has no
// remote name), all in lower case; "g:" alone for a drive that has not answered.
// Empty for a drive the chooser does not list.
std::string Chooser_Entry_Text(const platform::Drive_Entry& drive);

struct Chooser_Entry {
  char letter = 'a';  // lower case
  platform::Drive_Type type = platform::Drive_Type::Fixed;
  std::string text;
  bool answered = true;  // false: the drive has not answered yet, listed by its letter

  friend bool operator==(const Chooser_Entry&, const Chooser_Entry&) = default;
};

// The listed drives, a to z.
std::vector<Chooser_Entry> Chooser_Entries(const std::vector<platform::Drive_Entry>& drives);

// The chooser's first current drive: the entry of the drive the process's current
// directory lies on, if that drive is listed and its volume answered within the wait.
std::optional<std::size_t> Current_Directory_Entry(const std::vector<Chooser_Entry>& entries,
                                                   const platform::Drive_Table& table,
                                                   std::chrono::milliseconds wait);

}  // namespace keldra::monitor
