// The drive chooser on this machine lists exactly the entries keldra-report
// --drives prints for the same drive table.
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "platform/linux/linux_drive_table.h"
#include "tests/fakes/temp_folder.h"
#include "ui/qt/drive_chooser.h"

namespace keldra::test {
namespace {

std::string Run_Drives(const std::string& report) {
  const std::string out = report + ".out";
  const pid_t pid = fork();
  if (pid == 0) {
    freopen(out.c_str(), "w", stdout);
    execl(report.c_str(), report.c_str(), "--drives", static_cast<char*>(nullptr));
    _exit(127);
  }
  waitpid(pid, nullptr, 0);
  return Read_File(out);
}

TEST(Chooser_And_Report, ListTheSameEntriesOnThisMachine) {
  Temp_Folder dir;
  const std::string report = dir / "keldra-report";
  std::filesystem::copy_file(KELDRA_REPORT_PATH, report);
  Write_File(dir / "drives.ini", "[drives]\nM=" + dir.Path() + "/missing\nT=/tmp\n");
  // The report records the automatic letters first; the chooser then reads them.
  const std::string listing = Run_Drives(report);
  std::vector<std::string> from_report;
  std::size_t pos = 0;
  while (pos < listing.size()) {
    const std::size_t eol = listing.find('\n', pos);
    const std::string line = listing.substr(pos, eol - pos);
    pos = eol + 1;
    const std::string entry = line.substr(line.rfind('\t') + 1);
    if (!entry.empty()) from_report.push_back(entry);
  }
  platform::linux_impl::Linux_Drive_Table table(dir / "drives.ini");
  ui::Drive_Chooser chooser([](std::size_t) {});
  chooser.Show(monitor::Chooser_Entries(table.Drives()), std::nullopt);
  std::vector<std::string> from_chooser;
  for (int i = 0; i < chooser.count(); ++i)
    from_chooser.push_back(chooser.itemText(i).toStdString());
  EXPECT_EQ(from_chooser, from_report) << listing;
  EXPECT_FALSE(from_chooser.empty());
  EXPECT_EQ(from_chooser.front().substr(0, 3), "c: ");
  EXPECT_NE(std::find(from_chooser.begin(), from_chooser.end(), "t: [/tmp]"), from_chooser.end());
}

}  // namespace
}  // namespace keldra::test
