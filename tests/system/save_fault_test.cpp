// Settings survive faults: a save killed at any moment, two copies saving at once.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "tests/fakes/temp_folder.h"

namespace keldra::test {
namespace {

std::string Settings_With(const std::string& letters) {
  return "[keldra]\r\nwindow_top_posn=50\r\nwindow_left_posn=50\r\nwindow_ClientWidth=189\r\n"
         "timer_interval=30000\r\ndrive_being_monitored_letters=" +
         letters +
         "\r\nShow_Total_of_All_Drives_CheckBox=0\r\nAlways_on_Top_Option=0\r\n"
         "Auto_Run_at_Windows_Startup_Option=0\r\n";
}

pid_t Start_Saving(const std::string& ini, const std::string& a, const std::string& b) {
  const pid_t pid = fork();
  if (pid == 0) {
    execl(KELDRA_SAVE_LOOP_PATH, KELDRA_SAVE_LOOP_PATH, ini.c_str(), a.c_str(), b.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

TEST(Save_Faults, KilledAtAnyMomentTheFileIsTheOldOrTheNewByteForByte) {
  Temp_Folder dir;
  const std::string ini = dir / "keldra.ini";
  const std::string a(2000, 'A'), b(3000, 'B');  // long values, so each write takes a while
  const std::string first = Settings_With(a), second = Settings_With(b);
  Write_File(ini, first);
  std::mt19937 rng(42);
  int kills = 0;
  for (int round = 0; round < 200; ++round) {
    const pid_t saver = Start_Saving(ini, a, b);
    std::this_thread::sleep_for(std::chrono::microseconds(rng() % 20000));
    kill(saver, SIGKILL);
    int status = 0;
    waitpid(saver, &status, 0);
    if (WIFSIGNALED(status)) ++kills;
    const std::string now = Read_File(ini);
    ASSERT_TRUE(now == first || now == second)
        << "round " << round << ": a torn file of " << now.size() << " bytes";
  }
  EXPECT_GT(kills, 150) << "the saver was killed mid-run, not after it gave up";
  // At most the temporaries of the kills of the last minute are left.
  int temporaries = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
    if (e.path().filename().string().rfind(".keldra.ini.", 0) == 0) ++temporaries;
  }
  EXPECT_LE(temporaries, kills);
}

TEST(Save_Faults, TwoCopiesSavingAtOnceLeaveOneCompleteFile) {
  Temp_Folder dir;
  const std::string ini = dir / "keldra.ini";
  const std::string a(500, 'A'), b(700, 'B'), c(900, 'C'), d(300, 'D');
  const pid_t one = Start_Saving(ini, a, b);
  const pid_t two = Start_Saving(ini, c, d);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  kill(one, SIGKILL);
  waitpid(one, nullptr, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  kill(two, SIGKILL);
  waitpid(two, nullptr, 0);
  const std::string now = Read_File(ini);
  EXPECT_TRUE(now == Settings_With(a) || now == Settings_With(b) || now == Settings_With(c) ||
              now == Settings_With(d))
      << now.size();
}

}  // namespace
}  // namespace keldra::test
