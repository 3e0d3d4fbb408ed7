// Nothing of the user's is touched by the real keldra-report: files that look like
// temporaries, links to settings kept elsewhere, volumes that claim more than 64
// bits of bytes, and settings files that are huge or never end.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/profile_file.h"
#include "tests/fakes/hung_volume.h"
#include "tests/fakes/junk_text.h"
#include "tests/fakes/temp_folder.h"
#include "tests/system/report_runner.h"

namespace keldra::test {
namespace {

bool Has_Row(const std::string& out, const std::string& label) {
  for (const std::string& line : Split_Lines(out)) {
    if (line.rfind(label + "\t", 0) == 0) return true;
  }
  return false;
}

TEST(User_Files, FilesThatLookLikeTemporariesAreTheUsersAndStay) {
  Temp_Folder dir;
  const std::string report = Install_Report(dir.Path());
  const std::string names[] = {".drives.ini.240115", ".keldra.ini.backup", ".drives.ini.AbC123",
                               ".drives.ini.keldra-save-1-AbC123"};
  for (const std::string& name : names) {
    Write_File(dir / name, "mine: " + name);
    const struct timespec two_hours_ago[2] = {{0, UTIME_OMIT}, {time(nullptr) - 7200, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, (dir / name).c_str(), two_hours_ago, 0), 0);
  }
  const Run_Result r = Run_Program({report});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  ASSERT_TRUE(Exists(dir / "drives.ini")) << "the run wrote its drive table";
  for (const std::string& name : names) {
    ASSERT_TRUE(Exists(dir / name)) << name;
    EXPECT_EQ(Read_File(dir / name), "mine: " + name);
  }
  std::size_t entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, std::size(names) + 2) << "keldra-report, drives.ini and the user's files";
}

TEST(User_Files, ALinkToADriveTableNotMadeYetStaysALink) {
  Temp_Folder dir;
  const std::string report = Install_Report(dir.Path());
  std::filesystem::create_directories(dir / "dotfiles");
  ASSERT_EQ(symlink((dir / "dotfiles/drives.ini").c_str(), (dir / "drives.ini").c_str()), 0);
  Run_Result r = Run_Program({report});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Is_Link(dir / "drives.ini"));
  EXPECT_NE(Read_File(dir / "dotfiles/drives.ini").find("C=/"), std::string::npos)
      << "the link's target holds the new letters";

  // The stick the link points into is unplugged: the letters last for the run.
  ASSERT_EQ(unlink((dir / "drives.ini").c_str()), 0);
  ASSERT_EQ(symlink((dir / "stick/drives.ini").c_str(), (dir / "drives.ini").c_str()), 0);
  r = Run_Program({report});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has_Row(r.out, "C:")) << r.out;
  EXPECT_TRUE(Is_Link(dir / "drives.ini"));
  EXPECT_FALSE(Exists(dir / "stick"));
}

TEST(User_Files, AVolumePast64BitsOfBytesReadsRight) {
  Temp_Folder dir;
  const std::string report = Install_Report(dir.Path());
  Hung_Volume huge(dir / "huge", "huge");
  if (!huge.Mounted()) GTEST_SKIP() << "no FUSE volume here: " << huge.Why_Not();
  Write_File(dir / "drives.ini", "[drives]\nH=" + huge.Path() + "\n");
  Write_File(dir / "keldra.ini", "[keldra]\ndrive_being_monitored_letters=H\n");
  const Run_Result plain = Run_Program({report});
  EXPECT_EQ(plain.out, "H:\t50\tlime\t16777216.00 TB / 33554432.00 TB\n") << plain.err;
  const Run_Result json = Run_Program({report, "--json"});
  EXPECT_NE(json.out.find("\"free_kb\": 18014398509481984, \"total_kb\": 36028797018963968"),
            std::string::npos)
      << json.out;
  EXPECT_NE(json.out.find("\"queried\": true"), std::string::npos) << json.out;
}

// A file of `size` bytes that takes no room on disk.
void Make_Sparse(const std::string& path, off_t size) {
  const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(ftruncate(fd, size), 0);
  close(fd);
}

// 100 MB of junk after the lines given, made a megabyte at a time: the test keeps
// its own memory small, since a child's peak memory counts from its parent's.
constexpr std::size_t Junk_Bytes = 100u << 20;
const std::string& Junk_Megabyte() {
  static const std::string junk = Junk_Text(1u << 20);
  return junk;
}

void Write_Junk_File(const std::string& path, const std::string& lines) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(lines.data(), 1, lines.size(), f);
  for (std::size_t i = 0; i < Junk_Bytes >> 20; ++i) {
    std::fwrite(Junk_Megabyte().data(), 1, Junk_Megabyte().size(), f);
  }
  ASSERT_EQ(std::fclose(f), 0);
}

// The file still ends with the junk past the first platform::Max_Settings_Bytes, byte for byte.
bool Junk_Tail_Kept(const std::string& path, std::size_t lines) {
  const std::size_t tail = lines + Junk_Bytes - platform::Max_Settings_Bytes;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  bool same = std::fseek(f, -static_cast<long>(tail), SEEK_END) == 0;
  std::string chunk(1u << 20, '\0');
  std::size_t at = Junk_Bytes - tail + lines;  // offset in the junk, which repeats each MiB
  for (std::size_t left = tail; same && left > 0;) {
    const std::size_t n = std::min(left, chunk.size());
    same = std::fread(chunk.data(), 1, n, f) == n;
    for (std::size_t i = 0; same && i < n; ++i) {
      same = chunk[i] == Junk_Megabyte()[(at - lines + i) % Junk_Megabyte().size()];
    }
    at += n;
    left -= n;
  }
  std::fclose(f);
  return same;
}

TEST(User_Files, HugeAndEndlessSettingsFilesCostTheReadLimitAndLoseNothing) {
  const struct {
    const char* name;
    const char* file;   // the settings file the case puts in place
    const char* lines;  // ahead of 100 MB of junk ("@" for the folder)
    const char* link;   // a link target instead
    bool sparse;        // 2 GiB of nothing instead
  } cases[] = {
      {"100 MB drives.ini", "drives.ini", "[drives]\nT=@\n", nullptr, false},
      {"2 GB sparse drives.ini", "drives.ini", nullptr, nullptr, true},
      {"drives.ini to pagemap", "drives.ini", nullptr, "/proc/self/pagemap", false},
      {"100 MB keldra.ini", "keldra.ini", "[keldra]\ndrive_being_monitored_letters=TC\n", nullptr,
       false},
      {"2 GB sparse keldra.ini", "keldra.ini", nullptr, nullptr, true},
      {"keldra.ini to /dev/zero", "keldra.ini", nullptr, "/dev/zero", false},
      {"keldra.ini to pagemap", "keldra.ini", nullptr, "/proc/self/pagemap", false},
  };
  // The same program on settings files of a few bytes: its memory without them,
  // which a sanitizer's build makes large.
  long plain_kb = 0;
  {
    Temp_Folder dir;
    Write_File(dir / "drives.ini", "[drives]\nT=" + dir.Path() + "\n");
    Write_File(dir / "keldra.ini", "[keldra]\ndrive_being_monitored_letters=TC\n");
    plain_kb = Run_Program({Install_Report(dir.Path())}).max_rss_kb;
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Temp_Folder dir;
    const std::string report = Install_Report(dir.Path());
    const std::string path = dir / c.file;
    const bool drive_table = c.file == std::string("drives.ini");
    if (drive_table) {
      Write_File(dir / "keldra.ini", "[keldra]\ndrive_being_monitored_letters=TC\n");
    } else {
      Write_File(dir / "drives.ini", "[drives]\nT=" + dir.Path() + "\n");
    }
    std::string lines = c.lines ? c.lines : "";
    if (const std::size_t at = lines.find('@'); at != std::string::npos) {
      lines.replace(at, 1, dir.Path());
    }
    if (c.link) {
      ASSERT_EQ(symlink(c.link, path.c_str()), 0);
    } else if (c.sparse) {
      Make_Sparse(path, off_t{2} << 30);
    } else {
      Write_Junk_File(path, lines);
    }

    const Run_Result r = Run_Program({report});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    // The letters as the case's lines set them, or the defaults where none are seen.
    const bool letters_seen = drive_table || c.lines;
    EXPECT_EQ(r.out.find("T:\t") == 0, letters_seen) << r.out;
    EXPECT_NE(r.out.find("C:\t"), std::string::npos) << r.out;
    // Far below the 100 MB and 2 GB more that a whole read would hold.
    EXPECT_LT(r.max_rss_kb, plain_kb + 48 * 1024) << "kB at its peak, against " << plain_kb;

    if (c.link) {
      EXPECT_TRUE(Is_Link(path));
    } else if (c.sparse) {
      struct stat st;
      ASSERT_EQ(stat(path.c_str(), &st), 0);
      EXPECT_GE(st.st_size, off_t{2} << 30);
      EXPECT_LT(st.st_size, (off_t{2} << 30) + 4096) << "only new lines were added";
      EXPECT_LT(st.st_blocks * 512, 1 << 20) << "still sparse";
    } else {
      EXPECT_TRUE(Junk_Tail_Kept(path, lines.size())) << "every byte past what a read sees";
    }
  }
}

}  // namespace
}  // namespace keldra::test
