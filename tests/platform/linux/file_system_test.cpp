#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
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

TEST(Write_Text_File_Atomically, WritesThroughALinkAndRefusesADirectory) {
  test::Temp_Folder dir;
  const std::string target = dir / "real.ini";
  const std::string link = dir / "keldra.ini";
  test::Write_File(target, "old");
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  ASSERT_TRUE(Write_Text_File_Atomically(link, "new"));
  struct stat st;
  ASSERT_EQ(lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(test::Read_File(target), "new");

  ASSERT_EQ(mkdir((dir / "folder.ini").c_str(), 0755), 0);
  EXPECT_FALSE(Write_Text_File_Atomically(dir / "folder.ini", "x"));
  EXPECT_FALSE(Write_Text_File_Atomically(dir / "missing-folder/keldra.ini", "x"));
}

TEST(Write_Text_File_Atomically, RemovesTemporariesThatAKilledWriteLeftBehind) {
  test::Temp_Folder dir;
  const std::string stale = dir / ".keldra.ini.AbC123", fresh = dir / ".keldra.ini.XyZ789";
  const std::string other = dir / ".drives.ini.AbC123";
  for (const std::string& f : {stale, fresh, other}) test::Write_File(f, "half");
  struct timespec old[2] = {{0, 0}, {time(nullptr) - 3600, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, stale.c_str(), old, 0), 0);
  ASSERT_EQ(utimensat(AT_FDCWD, other.c_str(), old, 0), 0);
  ASSERT_TRUE(Write_Text_File_Atomically(dir / "keldra.ini", "new"));
  EXPECT_FALSE(test::Exists(stale));
  EXPECT_TRUE(test::Exists(fresh)) << "a writer may still be at work on it";
  EXPECT_TRUE(test::Exists(other)) << "another file's temporary is not ours";
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

}  // namespace
}  // namespace keldra::platform
