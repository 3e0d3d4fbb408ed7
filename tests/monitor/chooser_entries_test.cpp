#include "monitor/chooser_entries.h"

#include <gtest/gtest.h>

namespace keldra::monitor {
namespace {

using platform::Drive_Entry;
using platform::Drive_Type;

TEST(Chooser_Entries, TextsByTypeInLowerCaseSortedAndMissingLeftOut) {
  std::vector<Drive_Entry> drives = {
      {'F', "/mnt/share", Drive_Type::Remote, "/mnt/share", "//Server/Share"},
      {'A', "/media/stick", Drive_Type::Removable, "STICK", ""},
      {'C', "/", Drive_Type::Fixed, "System", ""},
      {'G', "/mnt/nfs", Drive_Type::Remote, "Backup", ""},
      {'H', "/mnt/gone", Drive_Type::Missing, "/mnt/gone", ""},
      {'R', "/media/cd", Drive_Type::Cdrom, "DVD_VIDEO", ""},
      {'T', "/tmp", Drive_Type::Ramdisk, "/tmp", ""},
  };
  const std::vector<std::pair<char, std::string>> expected = {
      {'a', "a:"},          {'c', "c: [system]"},    {'f', "f: //server/share"},
      {'g', "g: [backup]"}, {'r', "r: [dvd_video]"}, {'t', "t: [/tmp]"}};
  std::vector<std::pair<char, std::string>> got;
  for (const Chooser_Entry& e : Chooser_Entries(drives)) got.emplace_back(e.letter, e.text);
  EXPECT_EQ(got, expected);
  EXPECT_EQ(Chooser_Entry_Text(drives[4]), "");
}

TEST(Chooser_Entries, LowerCasingLeavesNonAsciiLabelsIntact) {
  Drive_Entry d{'D', "/media/d", Drive_Type::Fixed, "Daten-\xC3\x9C", ""};
  EXPECT_EQ(Chooser_Entry_Text(d), "d: [daten-\xC3\x9C]");
}

}  // namespace
}  // namespace keldra::monitor
