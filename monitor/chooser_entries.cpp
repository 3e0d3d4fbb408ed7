#include "monitor/chooser_entries.h"

#include <algorithm>

#include "settings/profile_values.h"

namespace keldra::monitor {

using platform::Drive_Type;

std::string Chooser_Entry_Text(const platform::Drive_Entry& d) {
  if (d.letter < 'A' || d.letter > 'Z') return std::string();
  const std::string letter(1, d.letter);
  std::string text;
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
  return settings::Lower_Case_Ascii(text);
}

std::vector<Chooser_Entry> Chooser_Entries(const std::vector<platform::Drive_Entry>& drives) {
  std::vector<Chooser_Entry> entries;
  for (const platform::Drive_Entry& d : drives) {
    std::string text = Chooser_Entry_Text(d);
    if (text.empty()) continue;
    entries.push_back({static_cast<char>(d.letter - 'A' + 'a'), d.type, std::move(text)});
  }
  std::sort(entries.begin(), entries.end(),
            [](const Chooser_Entry& a, const Chooser_Entry& b) { return a.letter < b.letter; });
  return entries;
}

}  // namespace keldra::monitor
