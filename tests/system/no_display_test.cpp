// Started where there is no display, the window program says so plainly and
// shows the drives the way keldra-report does, instead of a toolkit's abort.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/fakes/temp_folder.h"

namespace keldra::test {
namespace {

TEST(No_Display, TheWindowProgramSaysSoAndPrintsTheRows) {
#ifndef KELDRA_WINDOW_PATH
  GTEST_SKIP() << "the window is not built here";
#else
  Temp_Folder dir;
  std::filesystem::copy_file(KELDRA_WINDOW_PATH, dir / "keldra");
  std::filesystem::copy_file(KELDRA_REPORT_PATH, dir / "keldra-report");
  const std::string out = dir / "out", err = dir / "err";
  const pid_t pid = fork();
  if (pid == 0) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) unsetenv(name);
    const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(o, 1);
    dup2(e, 2);
    const std::string program = dir / "keldra";
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_NE(Read_File(err).find("Keldra needs a graphical display"), std::string::npos)
      << Read_File(err);
  EXPECT_EQ(Read_File(out).rfind("C:\t", 0), 0u) << Read_File(out);
#endif
}

}  // namespace
}  // namespace keldra::test
