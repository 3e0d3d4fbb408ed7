// With a monitored volume that never answers, the window keeps answering events:
// the first query costs one bounded wait, and no later pass stalls it again.
#include <QElapsedTimer>
#include <cstdio>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "platform/linux/linux_disk_space.h"
#include "platform/linux/linux_drive_table.h"
#include "tests/fakes/hung_volume.h"
#include "tests/ui/form_fixture.h"

namespace keldra::test {
namespace {

TEST(Hung_Volume_Window, TheEventLoopNeverStallsBeyondOneWaitAndClosingStillSaves) {
  Temp_Folder dir;
  Hung_Volume hung(dir / "hung");
  if (!hung.Mounted()) GTEST_SKIP() << "no hung FUSE volume here: " << hung.Why_Not();
  Write_File(dir / "drives.ini", "[drives]\nH=" + hung.Path() + "\n");
  Write_File(dir / "keldra.ini", "[keldra]\ndrive_being_monitored_letters=CH\ntimer_interval=200\n");

  platform::linux_impl::Linux_Drive_Table table(dir / "drives.ini");
  platform::linux_impl::Linux_Disk_Space disk(table);
  platform::Remembered_Error_Mode mode;
  monitor::Disk_Queries queries(disk, mode, ".");
  Scripted_Message_Boxes boxes;
  Recording_Stacking stacking;
  platform::linux_impl::Linux_Registry registry(Make_Folder(dir / "autostart"));
  Recording_Launcher launcher;
  ui::Keldra_Windows windows({queries, table, boxes, registry, launcher, stacking, dir / "keldra",
                              ".", [] { return 2026; }, [] { return std::string("50%"); }});

  QElapsedTimer shown;
  shown.start();
  windows.MainForm1->show();  // the first pass meets the hung volume
  const qint64 first_pass = shown.elapsed();
  EXPECT_LT(first_pass, 1500 + 500);

  // Ten refresh ticks; a 10 ms heartbeat measures the longest stall in between.
  int ticks = 0;
  QObject::connect(windows.MainForm1->Timer1, &ui::Refresh_Timer::Tick, [&] { ++ticks; });
  QElapsedTimer clock;
  clock.start();
  qint64 last = 0, longest = 0;
  QTimer heartbeat;
  QObject::connect(&heartbeat, &QTimer::timeout, [&] {
    const qint64 now = clock.elapsed();
    longest = std::max(longest, now - last);
    last = now;
  });
  heartbeat.start(10);
  QTest::qWait(2200);
  heartbeat.stop();
  EXPECT_LT(longest, 300) << "a later pass waited on the hung volume";
  std::printf("first pass with a hung volume: %lld ms; longest stall afterwards: %lld ms\n",
              static_cast<long long>(first_pass), static_cast<long long>(longest));
  EXPECT_LE(disk.Calls_In_Flight(), 1);
  EXPECT_GE(ticks, 5) << "the refresh ticks went on";

  EXPECT_TRUE(windows.MainForm1->FormCloseQuery());
  EXPECT_NE(Read_File(dir / "keldra.ini").find("drive_being_monitored_letters=CH"), std::string::npos);
  EXPECT_TRUE(boxes.errors.empty());
}

}  // namespace
}  // namespace keldra::test
