#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/fakes/temp_folder.h"

namespace keldra::platform {
namespace {

TEST(Write_Text_File_Atomically, CreatesReplacesAndKeepsThePermissions) {
  test::Temp_Folder dir;
  const std::string path = dir / "keldra.ini";
  ASSERT_TRUE(Write_Text_File_Atomically(path, "one"));
  EXPECT_EQ(test::Read_File(path), "one");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(Write_Text_File_Atomically(path, "two"));
  EXPECT_EQ(test::Read_File(path), "two");
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(Write_Text_File_Atomically, AReadOnlyFileOrFolderFailsAndKeepsTheOldFile) {
  test::Temp_Folder dir;
  const std::string path = dir / "keldra.ini";
  test::Write_File(path, "old");
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  EXPECT_FALSE(Write_Text_File_Atomically(path, "new"));
  EXPECT_EQ(test::Read_File(path), "old");

  ASSERT_EQ(chmod(path.c_str(), 0644), 0);
  ASSERT_EQ(chmod(dir.Path().c_str(), 0555), 0);
  EXPECT_FALSE(Write_Text_File_Atomically(path, "new"));
  EXPECT_FALSE(Write_Text_File_Atomically(dir / "other.ini", "new"));
  ASSERT_EQ(chmod(dir.Path().c_str(), 0755), 0);
  EXPECT_EQ(test::Read_File(path), "old");
  EXPECT_FALSE(test::Exists(dir / "other.ini"));
}

TEST(Write_Text_File_Atomically, WritesWhereALinkLeadsAndLeavesTheLink) {
  test::Temp_Folder dir;
  ASSERT_EQ(mkdir((dir / "dotfiles").c_str(), 0755), 0);
  struct Case {
    const char* link;
    const char* target;   // as the link holds it
    const char* written;  // where the bytes must land; null: the write fails
  } cases[] = {
      {"existing.ini", "dotfiles/existing.ini", "dotfiles/existing.ini"},
      {"not-yet.ini", "dotfiles/not-yet.ini", "dotfiles/not-yet.ini"},
      {"two-hops.ini", "not-yet-2.ini", "dotfiles/chained.ini"},
      {"no-folder.ini", "unplugged/keldra.ini", nullptr},
      {"loop.ini", "loop.ini", nullptr},
  };
  test::Write_File(dir / "dotfiles/existing.ini", "old");
  ASSERT_EQ(symlink("dotfiles/chained.ini", (dir / "not-yet-2.ini").c_str()), 0);
  for (const Case& c : cases) {
    const std::string link = dir / c.link;
    ASSERT_EQ(symlink(c.target, link.c_str()), 0);
    EXPECT_EQ(Write_Text_File_Atomically(link, "new"), c.written != nullptr) << c.link;
    EXPECT_TRUE(test::Is_Link(link)) << c.link << " is still a link";
    if (c.written) {
      EXPECT_EQ(test::Read_File(dir / c.written), "new") << c.link;
    }
  }
  EXPECT_FALSE(test::Exists(dir / "unplugged"));

  ASSERT_EQ(mkdir((dir / "folder.ini").c_str(), 0755), 0);
  EXPECT_FALSE(Write_Text_File_Atomically(dir / "folder.ini", "x"));
  EXPECT_FALSE(Write_Text_File_Atomically(dir / "missing-folder/keldra.ini", "x"));
}

// A process id that no process has now: a child that has come and gone.
pid_t Gone_Process() {
  const pid_t pid = fork();
  if (pid == 0) _exit(0);
  waitpid(pid, nullptr, 0);
  return pid;
}

TEST(Write_Text_File_Atomically, RemovesOnlyItsOwnAbandonedTemporaries) {
  test::Temp_Folder dir;
  const std::string gone = std::to_string(Gone_Process());
  const std::string live = std::to_string(getppid());
  const struct {
    std::string name;
    bool old;
    bool removed;
  } files[] = {
      {".keldra.ini.keldra-save-" + gone + "-AbC123", true, true},
      {".keldra.ini.keldra-save-" + gone + "-XyZ789", false, false},  // may be mid-write elsewhere
      {".keldra.ini.keldra-save-" + live + "-AbC123", true, false},   // its writer is alive
      {".drives.ini.keldra-save-" + gone + "-AbC123", true, false},   // another file's
      // The user's own files, whatever they look like.
      {".keldra.ini.AbC123", true, false},
      {".keldra.ini.backup", true, false},
      {".keldra.ini.keldra-save-" + gone + "-AbC1234", true, false},
      {".keldra.ini.keldra-save-x" + gone + "-AbC123", true, false},
      {"keldra.ini.keldra-save-" + gone + "-AbC123", true, false},
  };
  for (const auto& f : files) {
    test::Write_File(dir / f.name, "mine");
    const struct timespec times[2] = {{0, UTIME_OMIT}, {time(nullptr) - 3600, 0}};
    if (f.old) {
      ASSERT_EQ(utimensat(AT_FDCWD, (dir / f.name).c_str(), times, 0), 0);
    }
  }
  ASSERT_TRUE(Write_Text_File_Atomically(dir / "keldra.ini", "new"));
  for (const auto& f : files) {
    EXPECT_EQ(test::Exists(dir / f.name), !f.removed) << f.name;
    if (!f.removed) {
      EXPECT_EQ(test::Read_File(dir / f.name), "mine") << f.name;
    }
  }
}

TEST(Write_Text_File_Atomically, KeepsTheOldFilesTailWithItsHoles) {
  test::Temp_Folder dir;
  const std::string path = dir / "drives.ini";
  const int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(pwrite(fd, "head|tail", 9, 0), 9);
  ASSERT_EQ(pwrite(fd, "end", 3, 64 << 20), 3);  // 64 MiB on, past a hole
  close(fd);
  Atomic_Write_Options keep;
  keep.keep_tail_from = 4;
  ASSERT_TRUE(Write_Text_File_Atomically(path, "new head", keep));
  const std::string text = test::Read_File(path);
  ASSERT_EQ(text.size(), 8u + (64u << 20) + 3 - 4);
  EXPECT_EQ(text.substr(0, 13), "new head|tail");
  EXPECT_EQ(text.substr(text.size() - 3), "end");
  EXPECT_EQ(text.find_first_not_of('\0', 13), text.size() - 3);
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_LT(st.st_blocks * 512, 8 << 20) << "the hole is still a hole";
}

TEST(Read_Text_File, TellsMissingFromUnreadable) {
  test::Temp_Folder dir;
  EXPECT_EQ(Read_Text_File(dir / "none").status, Read_Status::Missing);
  EXPECT_EQ(Read_Text_File(dir.Path()).status, Read_Status::Failed);
  test::Write_File(dir / "f", std::string("a\0b", 3));
  File_Text f = Read_Text_File(dir / "f");
  EXPECT_EQ(f.status, Read_Status::Ok);
  EXPECT_EQ(f.text, std::string("a\0b", 3));
}

TEST(Read_Text_File, ALimitedReadStopsAtTheLimitEvenOnEndlessFiles) {
  test::Temp_Folder dir;
  test::Write_File(dir / "f", "0123456789");
  for (const std::size_t limit : {9u, 10u, 11u}) {
    const File_Text f = Read_Text_File(dir / "f", limit);
    EXPECT_EQ(f.text, std::string("0123456789").substr(0, limit)) << limit;
    EXPECT_EQ(f.whole, limit >= 10) << limit;
  }
  const File_Text endless = Read_Text_File("/proc/self/pagemap", 100000);
  if (endless.status == Read_Status::Ok) {
    EXPECT_EQ(endless.text.size(), 100000u);
    EXPECT_FALSE(endless.whole);
  }
}

}  // namespace
}  // namespace keldra::platform
