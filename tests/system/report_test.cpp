// keldra-report as a user runs it: a copy in a folder with its own keldra.ini and
// drives.ini, against real filesystems.
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include <gtest/gtest.h>

#include "monitor/percent_free.h"
#include "monitor/size_text.h"
#include "tests/fakes/temp_folder.h"
#include "tests/system/report_runner.h"

namespace keldra::test {
namespace {

// What the row of a directory must read, worked out here from statvfs itself.
std::string Expected_Row(const std::string& label, const std::string& dir) {
  struct statvfs st;
  if (statvfs(dir.c_str(), &st) != 0) return label + "\t100\tred\t0";
  // What the user can write, and the capacity as the user sees it (df's sums).
  const auto total =
      static_cast<std::int64_t>((st.f_blocks - st.f_bfree + st.f_bavail) * st.f_frsize);
  const auto free = static_cast<std::int64_t>(st.f_bavail * st.f_frsize);
  const int used = 100 - monitor::Percent_Free(free, total);
  const char* color = used > 95 ? "red" : used >= 85 ? "yellow" : "lime";
  return label + "\t" + std::to_string(used) + "\t" + color + "\t" +
         monitor::Size_Caption(monitor::Bytes_To_Kilobytes(free),
                               monitor::Bytes_To_Kilobytes(total), ".");
}

class Report_Test : public ::testing::Test {
 protected:
  void SetUp() override { report = Install_Report(dir.Path()); }
  // Runs the report until its rows for shared volumes (whose free space other
  // processes change under us) match the figures taken just before or just after.
  // `matched` is the expected text the output began with ("" when none did).
  Run_Result Run_Matching(const std::function<std::string()>& expected) {
    Run_Result r;
    auto begins = [&](const std::string& e) { return r.out.compare(0, e.size(), e) == 0; };
    for (int attempt = 0; attempt < 5; ++attempt) {
      const std::string before = expected();
      r = Run();
      const std::string after = expected();
      if (begins(before) || begins(after)) {
        matched = begins(before) ? before : after;
        return r;
      }
    }
    matched.clear();
    return r;
  }
  std::string matched;
  Run_Result Run(std::vector<std::string> extra = {}) {
    std::vector<std::string> argv{report};
    argv.insert(argv.end(), extra.begin(), extra.end());
    return Run_Program(argv);
  }
  Temp_Folder dir;
  std::string report;
};

TEST_F(Report_Test, WithNoSettingsItShowsDriveCAsStatvfsOfRootGivesIt) {
  const Run_Result r = Run_Matching([] { return Expected_Row("C:", "/") + "\n"; });
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, matched) << "statvfs of / gives " << Expected_Row("C:", "/");
  EXPECT_EQ(r.err, "");
  EXPECT_FALSE(Exists(dir / "keldra.ini")) << "reading never creates the settings file";
}

TEST_F(Report_Test, PinnedDirectoriesTheTotalAndADirectoryThatIsNotThere) {
  Write_File(
      dir / "keldra.ini",
      "[Keldra]\nDRIVE_BEING_MONITORED_LETTERS=cmq\nShow_Total_of_All_Drives_CheckBox=0x1\n");
  Write_File(dir / "drives.ini", "[drives]\nM=" + dir.Path() + "/nowhere\nq=/tmp\njunk\n");
  const Run_Result r = Run_Matching([] {
    const std::string c = Expected_Row("C:", "/"), q = Expected_Row("Q:", "/tmp");
    return c + "\n" + "M:\t100\tred\t0\n" + q + "\n";  // the total line is checked apart
  });
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const auto lines = Split_Lines(r.out);
  ASSERT_EQ(lines.size(), 4u) << r.out;
  EXPECT_FALSE(matched.empty()) << r.out;
  EXPECT_EQ(lines[1], "M:\t100\tred\t0");
  const auto total = Split_Tabs(lines[3]);
  ASSERT_EQ(total.size(), 4u);
  EXPECT_EQ(total[0], "Tot:");
}

TEST_F(Report_Test, ABadLetterPrintsTheRowsBeforeItThenTheErrorAndFails) {
  Write_File(dir / "keldra.ini", "[keldra]\ndrive_being_monitored_letters=C\\D\n");
  const Run_Result r = Run_Matching([] { return Expected_Row("C:", "/") + "\n"; });
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, matched);
  EXPECT_FALSE(matched.empty());
  EXPECT_EQ(r.err, "'' is not a valid integer value.\n");
}

TEST_F(Report_Test, GarbageSettingsMeanDefaults) {
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage.push_back(static_cast<char>((i * 7919) % 256));
  Write_File(dir / "keldra.ini", garbage);
  Write_File(dir / "drives.ini", garbage);
  const Run_Result r = Run_Matching([] { return Expected_Row("C:", "/") + "\n"; });
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, matched) << "statvfs of / gives " << Expected_Row("C:", "/");
}

TEST_F(Report_Test, AnEmptyLetterListShowsNothing) {
  Write_File(dir / "keldra.ini", "[keldra]\ndrive_being_monitored_letters=\n");
  const Run_Result r = Run();
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, "");
}

TEST_F(Report_Test, DrivesListingMatchesTheTable) {
  Write_File(dir / "drives.ini", "[drives]\nM=" + dir.Path() + "/nowhere\n");
  const Run_Result r = Run({"--drives"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const auto lines = Split_Lines(r.out);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(Split_Tabs(lines[0]), (std::vector<std::string>{"C", "fixed", "/", "c: [/]"}));
  bool saw_missing = false;
  for (const std::string& l : lines) {
    if (l == "M\tmissing\t" + dir.Path() + "/nowhere\t") saw_missing = true;
  }
  EXPECT_TRUE(saw_missing) << r.out;
  EXPECT_NE(Read_File(dir / "drives.ini").find("C=/"), std::string::npos);
  EXPECT_EQ(Run({"--bogus"}).exit_code, 2);
}

TEST_F(Report_Test, AControlCharacterInAFolderNameCannotBreakTheDrivesLines) {
  Write_File(dir / "drives.ini", "[drives]\nT=" + dir.Path() + "/tab\there\x7f\n");
  const Run_Result r = Run({"--drives"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  bool saw = false;
  for (const std::string& l : Split_Lines(r.out)) {
    EXPECT_EQ(Split_Tabs(l).size(), 4u) << l;
    if (l.rfind("T\t", 0) == 0) {
      saw = true;
      EXPECT_EQ(Split_Tabs(l)[2], dir.Path() + "/tab\\011here\\177");
    }
  }
  EXPECT_TRUE(saw) << r.out;
}

TEST_F(Report_Test, AReportThatCouldNotBeWrittenFailsAndSaysWhy) {
  for (const char* output : {">/dev/full", ">&-"}) {
    for (const char* mode : {"", "--json", "--drives"}) {
      const std::string err = dir / "err";
      const std::string command = "'" + report + "' " + mode + " " + output + " 2>'" + err + "'";
      const int status = std::system(command.c_str());
      ASSERT_TRUE(WIFEXITED(status)) << command;
      EXPECT_EQ(WEXITSTATUS(status), 1) << command;
      EXPECT_NE(Read_File(err).find("could not be written"), std::string::npos) << command;
    }
  }
}

// Real volumes of chosen sizes. Mounting needs root; elsewhere this says so.
TEST_F(Report_Test, TmpfsVolumesOfChosenSizesShowExactlyWhatStatvfsSays) {
  const std::string small = dir / "small", big = dir / "big", full = dir / "full";
  if (!Mount_Tmpfs(small, "1536k")) {
    GTEST_SKIP() << "cannot mount tmpfs here (" << Private_Mounts_Why_Not()
                 << "): real-volume check skipped";
  }
  struct Cleanup {
    std::vector<std::string> dirs;
    ~Cleanup() {
      for (const auto& d : dirs) Unmount(d);
    }
  } cleanup{{small}};
  ASSERT_TRUE(Mount_Tmpfs(big, "3g"));
  cleanup.dirs.push_back(big);
  ASSERT_TRUE(Mount_Tmpfs(full, "64k"));
  cleanup.dirs.push_back(full);
  Write_File(small + "/half", std::string(700 * 1024, 'x'));
  Fill_Disk(full + "/fill");
  Write_File(dir / "drives.ini", "[drives]\nS=" + small + "\nB=" + big + "\nF=" + full + "\n");
  Write_File(dir / "keldra.ini",
             "[keldra]\ndrive_being_monitored_letters=SBF\nShow_Total_of_All_Drives_CheckBox=1\n");
  const Run_Result r = Run();
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const auto lines = Split_Lines(r.out);
  ASSERT_EQ(lines.size(), 4u) << r.out;
  EXPECT_EQ(lines[0], Expected_Row("S:", small));
  EXPECT_EQ(lines[1], Expected_Row("B:", big));
  EXPECT_EQ(lines[1], "B:\t0\tlime\t3.00 GB / 3.00 GB");
  EXPECT_EQ(lines[2], Expected_Row("F:", full));
  EXPECT_EQ(Split_Tabs(lines[2])[1], "100");
  EXPECT_EQ(Split_Tabs(lines[2])[3], "0 / 64.0 KB");

  // The total, from the same figures.
  std::int64_t free_kb = 0, total_kb = 0;
  for (const std::string& d : {small, big, full}) {
    struct statvfs st;
    ASSERT_EQ(statvfs(d.c_str(), &st), 0);
    free_kb += monitor::Bytes_To_Kilobytes(static_cast<std::int64_t>(st.f_bavail * st.f_frsize));
    total_kb += monitor::Bytes_To_Kilobytes(
        static_cast<std::int64_t>((st.f_blocks - st.f_bfree + st.f_bavail) * st.f_frsize));
  }
  const int used = 100 - monitor::Percent_Free(free_kb, total_kb);
  EXPECT_EQ(lines[3], "Tot:\t" + std::to_string(used) + "\tlime\t" +
                          monitor::Size_Caption(free_kb, total_kb, "."));
}

// ext4 keeps blocks that only root may use (here 10 %): they are neither free nor
// part of the capacity, so the gauge reads what df says.
TEST_F(Report_Test, ALoopMountedExt4WithARootReserveReadsAsDfDoes) {
  const std::string image = dir / "ext4.img", point = dir / "ext4";
  const std::string make = "truncate -s 64M '" + image + "' && mkfs.ext4 -q -F -m 10 '" + image +
                           "' >/dev/null 2>&1 && mkdir -p '" + point + "' && mount -o loop '" +
                           image + "' '" + point + "' 2>/dev/null";
  if (geteuid() != 0 || std::system(make.c_str()) != 0) {
    GTEST_SKIP() << "cannot loop-mount an ext4 image here (needs root, mkfs.ext4, a loop device)";
  }
  struct Unmount_Later {
    std::string point;
    ~Unmount_Later() { Unmount(point); }
  } later{point};
  Write_File(point + "/fill", std::string(30u << 20, 'x'));
  Write_File(dir / "drives.ini", "[drives]\nE=" + point + "\n");
  Write_File(dir / "keldra.ini", "[keldra]\ndrive_being_monitored_letters=E\n");
  const Run_Result r = Run({"--json"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const Run_Result plain = Run();
  const auto fields = Split_Tabs(Split_Lines(plain.out).at(0));

  FILE* df = popen(("df --output=pcent,avail '" + point + "' | tail -n 1").c_str(), "r");
  ASSERT_NE(df, nullptr);
  int df_percent = -1;
  long long df_avail_kb = -1;
  ASSERT_EQ(std::fscanf(df, " %d%% %lld", &df_percent, &df_avail_kb), 2);
  pclose(df);
  EXPECT_GT(df_percent, 55) << "30 MB of the 54 MB a user may fill";
  EXPECT_EQ(fields.at(1), std::to_string(df_percent)) << plain.out;
  EXPECT_NE(r.out.find("\"free_kb\": " + std::to_string(df_avail_kb) + ","), std::string::npos)
      << "free is what the user can still write (df's Avail): " << r.out;
  EXPECT_EQ(plain.out, Expected_Row("E:", point) + "\n");
}

TEST_F(Report_Test, AFifoInPlaceOfASettingsFileReadsAsUnreadableAtOnce) {
  for (const char* name : {"keldra.ini", "drives.ini"}) {
    Temp_Folder here;
    const std::string report = Install_Report(here.Path());
    ASSERT_EQ(mkfifo((here / name).c_str(), 0644), 0);
    // Nothing ever writes to it: a reader that waited for a writer would wait for ever.
    const Piped_Result r = Run_Piped({report}, 60);
    ASSERT_TRUE(r.ended) << name << " as a FIFO blocked the report";
    EXPECT_EQ(r.result.exit_code, 0) << name << ": " << r.result.err;
    EXPECT_EQ(Split_Tabs(Split_Lines(r.result.out).at(0)).at(0), "C:") << name;
  }
}

}  // namespace
}  // namespace keldra::test
