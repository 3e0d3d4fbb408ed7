#include "platform/linux/desktop_entry.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "tests/fakes/temp_folder.h"
#include "tests/fakes/wait_until.h"

namespace keldra::platform::linux_impl {
namespace {

const std::vector<std::string> kAwkwardPaths = {
    "/opt/keldra/keldra",
    "/home/me/My Programs/keldra",
    "/tmp/quote\"d/it's/keldra",
    "/tmp/back\\slash\\n/keldra",
    "/tmp/$HOME and `id`/keldra",
    "/tmp/100% sure %f %u/keldra",
    "/tmp/a=b; rm -rf x & y | z > w/keldra",
    "/tmp/tab\there/new\nline/keldra",
    "/tmp/ leading and trailing /keldra ",
    "/tmp/\xC3\xBCnic\xC3\xB6"
    "de/keldra",
};

TEST(Desktop_Entry, EveryPathReadsBackAsTheOneProgramToStart) {
  for (const std::string& path : kAwkwardPaths) {
    const std::string text = Desktop_Entry_Text(path);
    const auto exec = Desktop_Entry_Exec(text);
    ASSERT_TRUE(exec) << text;
    EXPECT_EQ(Exec_Command(*exec), path) << text;
    const auto args = Parse_Exec_Arguments(*exec);
    ASSERT_TRUE(args);
    // What a launcher runs: the path itself, or the shell handed the path as $0.
    EXPECT_EQ(args->back(), path);
    EXPECT_TRUE(args->size() == 1 || (args->size() == 4 && (*args)[0] == "/bin/sh")) << text;
    EXPECT_EQ(text.find("Type=Application\n"), text.find('\n') + 1);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4) << "no line break leaks: " << text;
  }
}

TEST(Desktop_Entry, Utf8IsWellFormedUtf8Only) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},
      {"/home/ana/Programs/keldra", true},
      {"/home/ana/caf\xc3\xa9/\xe2\x82\xac/\xf0\x9f\x92\xbe", true},  // é, €, a floppy
      {"/home/ana/caf\xe9", false},                                   // Latin-1
      {"\xc3", false},                                                // cut short
      {"\xc0\xaf", false},                                            // overlong '/'
      {"\xed\xa0\x80", false},                                        // a surrogate
      {"\xf4\x90\x80\x80", false},                                    // past U+10FFFF
      {"\x80", false},                                                // a lone continuation
  };
  for (const auto& [text, valid] : cases) EXPECT_EQ(Is_Utf8(text), valid) << text;
}

TEST(Desktop_Entry, ReadingOtherFilesAndOtherToolsLines) {
  EXPECT_FALSE(Desktop_Entry_Exec("just text\n"));
  EXPECT_FALSE(Desktop_Entry_Exec("[Desktop Entry]\nName=No exec\n"));
  EXPECT_FALSE(Desktop_Entry_Exec("Exec=/before/group\n[Desktop Entry]\nExec=/x\n"));
  EXPECT_FALSE(Desktop_Entry_Exec("[Other]\nExec=/x\n"));
  EXPECT_EQ(Desktop_Entry_Exec("# c\n[Desktop Entry]\nExec[de]=/y\nExec = /x y\n"), "/x y");
  EXPECT_EQ(Exec_Command("/usr/bin/keldra"), "/usr/bin/keldra");
  EXPECT_EQ(Exec_Command("/usr/bin/keldra --min"), "/usr/bin/keldra --min") << "arguments kept";
  EXPECT_EQ(Exec_Command("\"\\\"/opt/k\\\"\""), "\"/opt/k\"") << "a path in quotes";
  EXPECT_EQ(Exec_Command("\"unterminated"), "\"unterminated");
  EXPECT_FALSE(Parse_Exec_Arguments("\"open"));
}

// The real launcher of the desktop (GLib's, through `gio launch`) starts each
// awkward path as written, and only it.
TEST(Desktop_Entry, ADesktopLauncherStartsTheRightProgram) {
  if (access("/usr/bin/gio", X_OK) != 0) GTEST_SKIP() << "gio (libglib2.0-bin) is not installed";
  test::Temp_Folder dir;
  int n = 0;
  for (std::string path : kAwkwardPaths) {
    if (path.find('\n') != std::string::npos || path.back() == ' ')
      continue;  // not a folder name here
    path = dir.Path() + path;
    std::filesystem::create_directories(path.substr(0, path.rfind('/')));
    test::Write_File(path, "#!/bin/sh\nprintf '%s' \"$0\" > \"$KELDRA_LAUNCH_OUT\"\n");
    chmod(path.c_str(), 0755);
    const std::string entry = dir / ("entry" + std::to_string(n++) + ".desktop");
    const std::string out = dir / "launched";
    test::Write_File(entry, Desktop_Entry_Text(path));
    unlink(out.c_str());
    const pid_t pid = fork();
    if (pid == 0) {
      setenv("KELDRA_LAUNCH_OUT", out.c_str(), 1);
      execl("/usr/bin/gio", "gio", "launch", entry.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    // gio returns once the program is started; the program writes its name soon after.
    test::Wait_Until([&] { return test::Read_File(out) == path; });
    EXPECT_EQ(test::Read_File(out), path) << test::Read_File(entry);
  }
}

}  // namespace
}  // namespace keldra::platform::linux_impl
