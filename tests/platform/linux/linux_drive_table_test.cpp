#include "platform/linux/linux_drive_table.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <map>
#include <thread>

#include <filesystem>

#include <gtest/gtest.h>

#include "monitor/chooser_entries.h"
#include "platform/linux/linux_disk_space.h"
#include "tests/fakes/private_mounts.h"
#include "tests/fakes/temp_folder.h"
#include "tests/fakes/wait_until.h"

namespace keldra::platform::linux_impl {
namespace {

namespace fs = std::filesystem;

// Real directories under a temporary folder, described by a mount table of our own,
// so that the table can be tested without mounting anything.
class Linux_Drive_Table_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    root = dir.Path();
    fs::create_directories(root + "/data");
    fs::create_directories(root + "/ram");
    fs::create_directories(root + "/pinned/plain");
    fs::create_directories(root + "/gone");
    mountinfo = dir / "mountinfo";
    test::Write_File(mountinfo,
                     "1 0 254:0 / / rw - ext4 /dev/vda rw\n"
                     "2 1 0:5 / /proc rw - proc proc rw\n"
                     "3 1 0:40 / " +
                         root +
                         "/ram rw - tmpfs tmpfs rw\n"
                         "4 1 0:41 / " +
                         root +
                         "/gone rw - nfs4 srv:/export rw\n"
                         "5 1 254:0 /data " +
                         root + "/data rw - ext4 /dev/vda rw\n");
    ini = dir / "drives.ini";
  }
  Linux_Drive_Table Table() {
    return Linux_Drive_Table(ini, mountinfo, Block_Devices(dir / "nosys"));
  }

  test::Temp_Folder dir;
  std::string root, mountinfo, ini;
};

TEST_F(Linux_Drive_Table_Test, RecordsAutomaticLettersOnceAndKeepsThem) {
  test::Write_File(ini, "[drives]\r\nq=" + root + "/pinned/plain/\r\nbad line\r\n");
  {
    Linux_Drive_Table table = Table();
    ASSERT_NE(table.Directory_Of('c'), nullptr);
    EXPECT_EQ(*table.Directory_Of('C'), "/");
    EXPECT_EQ(*table.Directory_Of('D'), root + "/ram");
    EXPECT_EQ(*table.Directory_Of('E'), root + "/gone");
    EXPECT_EQ(table.Directory_Of('F'), nullptr) << "a bind mount of / has no letter";
    EXPECT_EQ(*table.Directory_Of('Q'), root + "/pinned/plain");
  }
  EXPECT_EQ(test::Read_File(ini), "[drives]\r\nq=" + root +
                                      "/pinned/plain/\r\nbad line\r\nC=/\r\nD=" + root +
                                      "/ram\r\nE=" + root + "/gone\r\n");
  const std::string recorded = test::Read_File(ini);
  Linux_Drive_Table again = Table();
  EXPECT_EQ(test::Read_File(ini), recorded) << "nothing new to record";
  EXPECT_EQ(*again.Directory_Of('E'), root + "/gone");
}

TEST_F(Linux_Drive_Table_Test, AMountPointLongerThanAReadGivesBackKeepsOneLetterAndIsNotRecorded) {
  std::string deep = root;
  while (deep.size() <= 2100) deep += "/" + std::string(200, 'x');
  fs::create_directories(deep);
  test::Write_File(mountinfo,
                   test::Read_File(mountinfo) + "6 1 0:42 / " + deep + " rw - ext4 /dev/vdb rw\n");
  for (int run = 0; run < 3; ++run) {
    Linux_Drive_Table table = Table();
    ASSERT_NE(table.Directory_Of('F'), nullptr) << "run " << run;
    EXPECT_EQ(*table.Directory_Of('F'), deep);
    EXPECT_EQ(table.Directory_Of('G'), nullptr) << "a new letter at run " << run;
  }
  EXPECT_EQ(test::Read_File(ini).find("xxxx"), std::string::npos) << "recorded cut short";
  EXPECT_NE(test::Read_File(ini).find("E=" + root + "/gone"), std::string::npos);
}

TEST_F(Linux_Drive_Table_Test, TheUsersLinesKeepEveryByteAndTheirLettersAreNeverGivenOut) {
  // A comment, a pin Keldra cannot use, one with blanks around "=", and C taken by a
  // line that is not a directory: new letters go after them, on letters of their own.
  const std::string users =
      "[drives]\n; my pins\nE=relative/path\n  d =  " + root + "/pinned/plain  \nC=\n";
  test::Write_File(ini, users);
  {
    Linux_Drive_Table table = Table();
    EXPECT_EQ(*table.Directory_Of('D'), root + "/pinned/plain");
    EXPECT_EQ(table.Directory_Of('C'), nullptr);
    EXPECT_EQ(table.Directory_Of('E'), nullptr) << "an unusable line still holds its letter";
    EXPECT_EQ(*table.Directory_Of('F'), "/");
    EXPECT_EQ(*table.Directory_Of('G'), root + "/ram");
  }
  EXPECT_EQ(test::Read_File(ini), users + "F=/\nG=" + root + "/ram\nH=" + root + "/gone\n");
}

TEST_F(Linux_Drive_Table_Test, TypesPresenceLabelsAndRemoteNames) {
  test::Write_File(ini, "[drives]\nM=" + root + "/missing\nP=" + root + "/pinned/plain\n");
  Linux_Drive_Table table = Table();
  std::map<char, Drive_Entry> by_letter;
  for (const Drive_Entry& d : table.Drives()) by_letter[d.letter] = d;
  EXPECT_EQ(by_letter['C'].type, Drive_Type::Fixed);
  EXPECT_EQ(by_letter['D'].type, Drive_Type::Ramdisk);
  EXPECT_EQ(by_letter['D'].label, root + "/ram") << "no label: the directory";
  EXPECT_EQ(by_letter['E'].type, Drive_Type::Remote);
  EXPECT_EQ(by_letter['E'].remote_name, "srv:/export");
  EXPECT_EQ(by_letter['M'].type, Drive_Type::Missing);
  EXPECT_EQ(by_letter['P'].type, Drive_Type::Fixed);
  std::string present;
  for (const Drive_Entry& d : table.Drives()) {
    if (d.type != Drive_Type::Missing) present += d.letter;
  }
  EXPECT_EQ(present, "CDEP");
  EXPECT_EQ(monitor::Chooser_Entry_Text(by_letter['E']), "e: srv:/export");
}

TEST_F(Linux_Drive_Table_Test, MountPointsWithBlanksTabsAndLineBreaks) {
  const std::string odd = root + "/with space\tand tab";
  const std::string broken = root + "/line\nbreak";
  const std::string edged = root + "/ edge ";
  for (const std::string& d : {odd, broken, edged}) fs::create_directories(d);
  auto escape = [](std::string p) {
    std::string out;
    for (char c : p) {
      if (c == ' ')
        out += "\\040";
      else if (c == '\t')
        out += "\\011";
      else if (c == '\n')
        out += "\\012";
      else
        out += c;
    }
    return out;
  };
  test::Write_File(mountinfo,
                   "1 0 254:0 / / rw - ext4 /dev/vda rw\n"
                   "3 1 0:40 / " +
                       escape(odd) +
                       " rw - tmpfs tmpfs rw\n"
                       "4 1 0:41 / " +
                       escape(broken) +
                       " rw - tmpfs tmpfs rw\n"
                       "5 1 0:42 / " +
                       escape(edged) + " rw - tmpfs tmpfs rw\n");
  {
    Linux_Drive_Table table = Table();
    EXPECT_EQ(*table.Directory_Of('D'), odd);
    EXPECT_EQ(*table.Directory_Of('E'), broken) << "lettered for this run";
    EXPECT_EQ(*table.Directory_Of('F'), edged);
  }
  const std::string ini_text = test::Read_File(ini);
  EXPECT_EQ(ini_text.find("line"), std::string::npos) << "a line break cannot go into drives.ini";
  Linux_Drive_Table again = Table();
  EXPECT_EQ(*again.Directory_Of('D'), odd) << ini_text;
  EXPECT_EQ(*again.Directory_Of('F'), edged) << "blanks at the edges survive, quoted";
}

TEST_F(Linux_Drive_Table_Test, AReadOnlyDrivesIniKeepsTheLettersForTheRun) {
  test::Write_File(ini, "[drives]\n");
  ASSERT_EQ(chmod(ini.c_str(), 0444), 0);
  Linux_Drive_Table table = Table();
  EXPECT_EQ(*table.Directory_Of('D'), root + "/ram");
  EXPECT_EQ(test::Read_File(ini), "[drives]\n");
}

TEST_F(Linux_Drive_Table_Test, DriveFormUsesTheLongestLetteredPrefix) {
  Linux_Drive_Table table = Table();
  test::Write_File(root + "/ram/file.txt", "x");
  EXPECT_EQ(table.Drive_Form(root + "/ram/file.txt"), "D:/file.txt");
  EXPECT_EQ(table.Drive_Form(root + "/ram"), "D:/");
  EXPECT_EQ(table.Drive_Form(root + "/ram/../data"), "C:" + root + "/data");
  EXPECT_EQ(table.Drive_Form("relative"), std::nullopt);
}

// A helper lives while a letter leads to it: a dropped path's, once answered, and a
// volume's, once its mount has left the table, end at the next pass.
TEST_F(Linux_Drive_Table_Test, HelpersEndWhenNoLetterLeadsToThem) {
  Linux_Drive_Table table = Table();
  table.Wait(table.Send("CDE"), Monotonic_Ns() + 30'000'000'000LL);
  EXPECT_EQ(table.Helpers_Alive(), 2) << "the answering volumes' helper and the NFS volume's";
  ASSERT_TRUE(table.Drive_Form(root + "/ram", std::chrono::seconds(30)).has_value());
  EXPECT_EQ(table.Helpers_Alive(), 3) << "the dropped path's own";
  test::Write_File(mountinfo, "1 0 254:0 / / rw - ext4 /dev/vda rw\n3 1 0:40 / " + root +
                                  "/ram rw - tmpfs tmpfs rw\n");
  table.Scan();
  // A helper that was let go of counts until it has ended: wait for that, with
  // room for a busy machine.
  const std::int64_t give_up = Monotonic_Ns() + 30'000'000'000LL;
  table.Send("CD");
  while (table.Helpers_Alive() > 1 && Monotonic_Ns() < give_up) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(table.Helpers_Alive(), 1);
  EXPECT_EQ(*table.Directory_Of('E'), root + "/gone") << "its letter is kept";
}

// A folder meant for a volume (seen as a mount point in this run, or in fstab) with
// none mounted there is a drive with no volume, not the volume beneath it.
TEST_F(Linux_Drive_Table_Test, AMountPointWhoseVolumeLeftReadsNotMounted) {
  test::Write_File(dir / "fstab", "# comment\nsrv:/x " + root +
                                      "/pinned/plain/ nfs defaults 0 0\n" +
                                      "/dev/sdb2 none swap sw 0 0\n");
  test::Write_File(ini, "[drives]\nQ=" + root + "/pinned/plain\nP=" + root + "/data/sub\n");
  fs::create_directories(root + "/data/sub");
  Linux_Drive_Table table(ini, mountinfo, Block_Devices(dir / "nosys"), dir / "fstab");
  const auto reply_of = [&](char letter) {
    table.Wait(table.Send(std::string(1, letter)), Monotonic_Ns() + 30'000'000'000LL);
    for (const auto& [l, reply] : table.Take_Answers()) {
      if (l == letter) return reply;
    }
    return Volume_Reply{};
  };
  EXPECT_TRUE(reply_of('D').found) << "mounted";
  EXPECT_TRUE(reply_of('P').found) << "a plain folder pinned is its volume's";
  const Volume_Reply fstab_only = reply_of('Q');
  EXPECT_FALSE(fstab_only.found);
  EXPECT_TRUE(fstab_only.not_mounted) << "fstab means it for a volume";
  test::Write_File(mountinfo, "1 0 254:0 / / rw - ext4 /dev/vda rw\n");
  table.Scan();
  const Volume_Reply left = reply_of('D');
  EXPECT_FALSE(left.found);
  EXPECT_TRUE(left.not_mounted) << "seen mounted in this run";
  EXPECT_FALSE(reply_of('C').not_mounted);
}

// After a mount change drives.ini is read again in a helper nobody waits for: a pin
// the user wrote meanwhile counts once the file has answered, and the letter the new
// mount had until then is never recorded beside it.
TEST(Linux_Drive_Table_Mounts, AfterAMountChangeThePinsAreReadAgainWithoutAWait) {
  test::Temp_Folder dir;
  const std::string mnt = dir / "vol", ini = dir / "drives.ini";
  fs::create_directories(mnt);
  Linux_Drive_Table table(ini);
  const std::string recorded = test::Read_File(ini);
  char pin = 'Z';  // a letter the machine's own mounts did not take
  while (pin > 'C' && recorded.find(std::string(1, pin) + "=") != std::string::npos) --pin;
  test::Write_File(ini, recorded + pin + "=" + mnt + "\n");
  if (!test::Mount_Tmpfs(mnt, "8k")) {
    GTEST_SKIP() << "cannot mount tmpfs here (" << test::Private_Mounts_Why_Not() << ")";
  }
  EXPECT_TRUE(test::Wait_Until([&] {
    table.Send("");  // each look at the table notices changes and takes the file's answer
    const std::string* d = table.Directory_Of(pin);
    return d != nullptr && *d == mnt;
  }));
  const std::string now = test::Read_File(ini);
  std::size_t lines = 0;
  for (std::size_t at = now.find(mnt); at != std::string::npos; at = now.find(mnt, at + 1)) ++lines;
  EXPECT_EQ(lines, 1u) << now;
}

TEST(Fstab, MountPointsOfTheSystemsList) {
  EXPECT_EQ(Parse_Fstab_Mount_Points("# c\n\nUUID=1 / ext4 defaults 0 1\n"
                                     "srv:/e\t/mnt/my\\040nas/\tnfs\tdefaults\n"
                                     "/swapfile none swap sw 0 0\n  # indented\nbroken\n"),
            (std::vector<std::string>{"/", "/mnt/my nas"}));
}

TEST_F(Linux_Drive_Table_Test, DiskSpaceIsWhatStatvfsOfTheLettersDirectoryLeavesTheUser) {
  Linux_Drive_Table table = Table();
  Linux_Disk_Space disk(table);
  const Disk_Space_Figures c = disk.Get_Disk_Free_Space_Ex("C:\\");
  struct statvfs st;
  ASSERT_EQ(statvfs("/", &st), 0);
  // As the user sees it: space only root may use is neither free nor capacity. The
  // capacity stays put while other programs write; the free space may move a little
  // between the two looks, far less than the space kept for root.
  EXPECT_EQ(c.total_bytes, (st.f_blocks - st.f_bfree + st.f_bavail) * st.f_frsize);
  const u128 free = st.f_bavail * st.f_frsize, slack{64u << 20};
  EXPECT_TRUE(c.total_free_bytes + slack >= free && c.total_free_bytes <= free + slack);
  EXPECT_TRUE(c.answered);
  const Disk_Space_Figures none = disk.Get_Disk_Free_Space_Ex("K:\\");
  EXPECT_EQ(none.total_bytes, 0u);
  EXPECT_EQ(none.total_free_bytes, 0u);
  fs::remove(root + "/gone");
  EXPECT_EQ(disk.Get_Disk_Free_Space_Ex("E:\\").total_bytes, 0u) << "a directory that is gone";
}

TEST(Figures_Of, BlocksTimesTheirSizeNeverWrap) {
  const u128 one{1};
  const struct {
    Volume_Space space;
    u128 free, total;
  } cases[] = {
      {{4096, 1000, 600, 500}, 500 * 4096, 900 * 4096},
      // 2^45 blocks of 1 MiB, half of them free: 32 EiB, which 64 bits cannot hold.
      {{1 << 20, one << 45, one << 44, one << 44}, one << 64, one << 65},
      {{~0ull, ~0ull, 0, ~0ull}, u128{~0ull} * u128{~0ull}, U128_Max},
  };
  for (const auto& c : cases) {
    const Disk_Space_Figures f = Figures_Of(c.space);
    EXPECT_TRUE(f.free_bytes_to_caller == c.free && f.total_free_bytes == c.free);
    EXPECT_TRUE(f.total_bytes == c.total);
  }
}

}  // namespace
}  // namespace keldra::platform::linux_impl
