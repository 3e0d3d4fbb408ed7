// A volume that never answers must not freeze keldra-report: it costs one bounded
// wait and reads as a drive that cannot be queried.
#include <chrono>

#include <gtest/gtest.h>

#include "platform/linux/bounded_statvfs.h"
#include "tests/fakes/hung_volume.h"
#include "tests/fakes/temp_folder.h"
#include "tests/system/report_runner.h"

namespace keldra::test {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds_Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

constexpr double kWait = 1.5;  // the bounded wait of one query

TEST(Hung_Volume, ReportFinishesWithinOneWaitAndShowsTheDriveAsZero) {
  Temp_Folder dir;
  Hung_Volume hung(dir / "hung");
  if (!hung.Mounted()) GTEST_SKIP() << "no hung FUSE volume here: " << hung.Why_Not();
  const std::string report = Install_Report(dir.Path());
  Write_File(dir / "drives.ini", "[drives]\nH=" + hung.Path() + "\n");
  Write_File(dir / "keldra.ini",
             "[keldra]\ndrive_being_monitored_letters=CHH\nShow_Total_of_All_Drives_CheckBox=1\n");
  const auto start = Clock::now();
  const Run_Result r = Run_Program({report});
  const double took = Seconds_Since(start);
  EXPECT_EQ(r.exit_code, 0) << r.err;
  // Four queries of two hung rows cost one wait; unremembered they would cost four
  // (6 s). Three waits' worth leaves room for a busy machine under the sanitizers.
  EXPECT_LT(took, 3 * kWait) << "four queries of two hung rows cost one wait";
  EXPECT_GE(took, kWait * 0.9) << "the wait really happened";
  const auto lines = Split_Lines(r.out);
  ASSERT_EQ(lines.size(), 4u) << r.out;
  EXPECT_EQ(lines[1], "H:\t100\tred\t0");
  EXPECT_EQ(lines[2], "H:\t100\tred\t0");
  EXPECT_EQ(Split_Tabs(lines[3])[0], "Tot:");

  // The drive table reads the mount table only: no wait at all.
  const auto listed = Clock::now();
  const Run_Result drives = Run_Program({report, "--drives"});
  // Any statvfs of the hung volume would take a whole wait; listing takes milliseconds.
  EXPECT_LT(Seconds_Since(listed), kWait);
  EXPECT_NE(drives.out.find("H\tfixed\t" + hung.Path()), std::string::npos) << drives.out;
}

TEST(Hung_Volume, StuckCallsFailAtOnceUntilTheyReturnAndStayBounded) {
  Temp_Folder dir;
  Hung_Volume hung(dir / "hung");
  if (!hung.Mounted()) GTEST_SKIP() << "no hung FUSE volume here: " << hung.Why_Not();
  platform::linux_impl::Bounded_Statvfs bounded(std::chrono::milliseconds(300));
  auto start = Clock::now();
  EXPECT_FALSE(bounded.Query(hung.Path()));
  EXPECT_GE(Seconds_Since(start), 0.25);
  for (int i = 0; i < 50; ++i) EXPECT_FALSE(bounded.Query(hung.Path()));
  EXPECT_EQ(bounded.Waits_Timed_Out(), 1) << "while stuck, queries fail at once";
  EXPECT_EQ(bounded.Calls_In_Flight(), 1) << "one thread, however often it is asked";
  EXPECT_TRUE(bounded.Query("/")) << "other volumes answer as usual";
}

TEST(Bounded_Statvfs, AnswersHealthyVolumesAndFailsMissingOnes) {
  platform::linux_impl::Bounded_Statvfs bounded;
  const auto root = bounded.Query("/");
  ASSERT_TRUE(root);
  struct statvfs direct;
  ASSERT_EQ(statvfs("/", &direct), 0);
  EXPECT_EQ(root->f_blocks, direct.f_blocks);
  EXPECT_FALSE(bounded.Query("/no/such/folder"));
  EXPECT_EQ(bounded.Calls_In_Flight(), 0);
}

}  // namespace
}  // namespace keldra::test
