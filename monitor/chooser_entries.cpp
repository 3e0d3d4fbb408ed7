#include "monitor/chooser_entries.h"

#include <cctype>

#include <algorithm>

#include "ini/profile_values.h"
#include "platform/file_system.h"

namespace keldra::monitor {

using platform::Drive_Type;

std::string Chooser_Entry_Text(const platform::Drive_Entry& d) {
  if (d.letter < 'A' || d.letter > 'Z') return std::string();
  const std::string letter(1, d.letter);
  std::string text;
  if (!d.answered && d.type != Drive_Type::Missing) return ini::Lower_Case_Ascii(letter + ":");
  switch (d.type) {
    case Drive_Type::Missing: return std::string();
    case Drive_Type::Removable: text = letter + ":"; break;
    case Drive_Type::Remote:
      text = letter + ": " + (d.remote_name.empty() ? "[" + d.label + "]" : d.remote_name);
      break;
    case Drive_Type::Fixed:
    case Drive_Type::Cdrom:
    case Drive_Type::Ramdisk: text = letter + ": [" + d.label + "]"; break;
  }
  return ini::Lower_Case_Ascii(text);
}

std::vector<Chooser_Entry> Chooser_Entries(const std::vector<platform::Drive_Entry>& drives) {
  std::vector<Chooser_Entry> entries;
  for (const platform::Drive_Entry& d : drives) {
    std::string text = Chooser_Entry_Text(d);
    if (text.empty()) continue;
    entries.push_back(
        {static_cast<char>(d.letter - 'A' + 'a'), d.type, std::move(text), d.answered});
  }
  std::sort(entries.begin(), entries.end(),
            [](const Chooser_Entry& a, const Chooser_Entry& b) { return a.letter < b.letter; });
  return entries;
}

std::optional<std::size_t> Current_Directory_Entry(const std::vector<Chooser_Entry>& entries,
                                                   const platform::Drive_Table& table,
                                                   std::chrono::milliseconds wait) {
  const std::string here = platform::Current_Folder();
  if (here.empty()) return std::nullopt;
  const std::optional<std::string> form = table.Drive_Form(here, wait);
  if (!form || form->empty()) return std::nullopt;
  const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>((*form)[0])));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].letter == letter) return i;
  }
  return std::nullopt;
}

}  // namespace keldra::monitor
