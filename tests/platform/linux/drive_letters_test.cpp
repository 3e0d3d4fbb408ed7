#include "platform/linux/drive_letters.h"

#include <gtest/gtest.h>

namespace keldra::platform::linux_impl {
namespace {

Mount_Entry Mount(int id, std::string point, std::string type, std::string source, unsigned major,
                  unsigned minor, std::string root = "/") {
  Mount_Entry m;
  m.mount_id = id;
  m.mount_point = std::move(point);
  m.fs_type = std::move(type);
  m.source = std::move(source);
  m.major = major;
  m.minor = minor;
  m.root = std::move(root);
  return m;
}

std::string Letter(const Letter_Directories& l, char c) { return l[c - 'A']; }

TEST(Read_Drive_Lines, KeepsGoodLinesOfEitherCaseAndIgnoresJunk) {
  const auto pins = Read_Drive_Lines(
                        "[Drives]\n"
                        "d=/mnt/data/\n"
                        "E = /mnt/e\n"
                        "F=relative/path\n"
                        "G=\n"
                        "junk line\n"
                        "AA=/mnt/aa\n"
                        "1=/mnt/one\n"
                        "H=\"/mnt/ spaced \"\n"
                        "[other]\n"
                        "I=/mnt/other-section\n")
                        .pins;
  EXPECT_EQ(Letter(pins, 'D'), "/mnt/data");
  EXPECT_EQ(Letter(pins, 'E'), "/mnt/e");
  EXPECT_EQ(Letter(pins, 'F'), "");
  EXPECT_EQ(Letter(pins, 'G'), "");
  EXPECT_EQ(Letter(pins, 'H'), "/mnt/ spaced ");
  EXPECT_EQ(Letter(pins, 'I'), "");
  EXPECT_EQ(Letter(pins, 'A'), "");
}

TEST(Assign_Drive_Letters, RootGetsCOthersFromDInMountOrderDuplicatesFolded) {
  const std::vector<Mount_Entry> mounts = {
      Mount(1, "/", "ext4", "/dev/sda1", 8, 1),
      Mount(2, "/proc", "proc", "proc", 0, 4),
      Mount(3, "/home", "ext4", "/dev/sda2", 8, 2),
      Mount(4, "/srv/home-again", "ext4", "/dev/sda2", 8, 2, "/user"),  // bind mount
      Mount(5, "/media/usb", "vfat", "/dev/sdb1", 8, 17),
      Mount(6, "/run/user/1000", "tmpfs", "tmpfs", 0, 40),
      Mount(7, "/mnt/usb-again", "vfat", "/dev/sdb1", 8, 17),  // same device twice
      Mount(8, "/mnt/nfs", "nfs", "srv:/x", 0, 50),
  };
  const Letter_Assignment a = Assign_Drive_Letters(Letter_Directories{}, mounts);
  EXPECT_EQ(Letter(a.letters, 'C'), "/");
  EXPECT_EQ(Letter(a.letters, 'D'), "/home");
  EXPECT_EQ(Letter(a.letters, 'E'), "/media/usb");
  EXPECT_EQ(Letter(a.letters, 'F'), "/mnt/nfs");
  EXPECT_EQ(Letter(a.letters, 'G'), "");
  EXPECT_EQ(a.added, (std::vector<std::pair<char, std::string>>{
                         {'C', "/"}, {'D', "/home"}, {'E', "/media/usb"}, {'F', "/mnt/nfs"}}));

  // Once recorded, the same letters come back and nothing new is added, even when
  // a volume in between (the stick, with both its mounts) has gone.
  std::vector<Mount_Entry> later = mounts;
  later.erase(later.begin() + 6);
  later.erase(later.begin() + 4);
  const Letter_Assignment b = Assign_Drive_Letters(a.letters, later);
  EXPECT_EQ(b.letters, a.letters);
  EXPECT_TRUE(b.added.empty());
}

TEST(Assign_Drive_Letters, PinsComeFirstAndAWholeVolumeMountIsPreferredToABind) {
  Letter_Directories pins{};
  pins['C' - 'A'] = "/home/me";  // C pinned elsewhere: "/" takes the first free letter
  pins['D' - 'A'] = "/mnt/data";
  const std::vector<Mount_Entry> mounts = {
      Mount(1, "/", "ext4", "/dev/sda1", 8, 1),
      Mount(2, "/var/www", "ext4", "/dev/sdc1", 8, 33, "/www"),  // bind of a subfolder
      Mount(3, "/mnt/data", "ext4", "/dev/sdd1", 8, 49),
      Mount(4, "/srv", "ext4", "/dev/sdc1", 8, 33),  // the whole volume
      Mount(5, "/mnt/over", "ext4", "/dev/sde1", 8, 65),
      Mount(6, "/mnt/over", "tmpfs", "tmpfs", 0, 77),  // hides the one below
  };
  const Letter_Assignment a = Assign_Drive_Letters(pins, mounts);
  EXPECT_EQ(Letter(a.letters, 'C'), "/home/me");
  EXPECT_EQ(Letter(a.letters, 'D'), "/mnt/data");
  EXPECT_EQ(Letter(a.letters, 'E'), "/");
  EXPECT_EQ(Letter(a.letters, 'F'), "/srv");
  EXPECT_EQ(Letter(a.letters, 'G'), "/mnt/over");
  EXPECT_EQ(a.added.size(), 3u);
}

TEST(Assign_Drive_Letters, StopsAtZWithoutTouchingAOrB) {
  std::vector<Mount_Entry> mounts = {Mount(1, "/", "ext4", "/dev/sda1", 8, 1)};
  for (unsigned i = 0; i < 30; ++i) {
    mounts.push_back(Mount(10 + static_cast<int>(i), "/mnt/t" + std::to_string(i), "tmpfs", "tmpfs",
                           0, 100 + i));
  }
  const Letter_Assignment a = Assign_Drive_Letters(Letter_Directories{}, mounts);
  EXPECT_EQ(Letter(a.letters, 'A'), "");
  EXPECT_EQ(Letter(a.letters, 'B'), "");
  EXPECT_EQ(Letter(a.letters, 'Z'), "/mnt/t22");
  EXPECT_EQ(a.added.size(), 24u);
}

}  // namespace
}  // namespace keldra::platform::linux_impl
