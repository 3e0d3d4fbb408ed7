#include "platform/linux/volume_rules.h"

#include <gtest/gtest.h>

namespace keldra::platform::linux_impl {
namespace {

Mount_Entry Mount(std::string point, std::string type, std::string source, unsigned major = 0,
                  unsigned minor = 0) {
  Mount_Entry m;
  m.mount_point = std::move(point);
  m.fs_type = std::move(type);
  m.source = std::move(source);
  m.major = major;
  m.minor = minor;
  m.root = "/";
  return m;
}

TEST(Volume_Rules, WhichVolumesAreDrivesAndOfWhatType) {
  const auto removable = [](unsigned major, unsigned minor) { return major == 8 && minor == 17; };
  const struct {
    Mount_Entry mount;
    bool drive;
    Drive_Type type;
  } cases[] = {
      {Mount("/", "ext4", "/dev/vda", 254, 0), true, Drive_Type::Fixed},
      {Mount("/", "overlay", "overlay"), true, Drive_Type::Fixed},
      {Mount("/var/lib/docker/x", "overlay", "overlay"), false, Drive_Type::Fixed},
      {Mount("/proc", "proc", "proc"), false, Drive_Type::Fixed},
      {Mount("/sys/fs/cgroup", "cgroup2", "cgroup2"), false, Drive_Type::Fixed},
      {Mount("/snap/core/1", "squashfs", "/dev/loop1", 7, 1), false, Drive_Type::Fixed},
      {Mount("/run/user/1000", "tmpfs", "tmpfs"), false, Drive_Type::Ramdisk},
      {Mount("/dev/shm", "tmpfs", "tmpfs"), false, Drive_Type::Ramdisk},
      {Mount("/runner", "tmpfs", "tmpfs"), true, Drive_Type::Ramdisk},
      {Mount("/tmp", "tmpfs", "tmpfs"), true, Drive_Type::Ramdisk},
      {Mount("/mnt/ram", "ramfs", "ramfs"), true, Drive_Type::Ramdisk},
      {Mount("/mnt/z", "ext4", "/dev/zram0", 252, 0), true, Drive_Type::Ramdisk},
      {Mount("/media/u/STICK", "vfat", "/dev/sdb1", 8, 17), true, Drive_Type::Removable},
      {Mount("/run/media/u/STICK", "vfat", "/dev/sdb1", 8, 17), true, Drive_Type::Removable},
      {Mount("/media/cdrom", "iso9660", "/dev/sr0", 11, 0), true, Drive_Type::Cdrom},
      {Mount("/media/dvd", "udf", "/dev/sr1", 11, 1), true, Drive_Type::Cdrom},
      {Mount("/mnt/nfs", "nfs4", "server:/export", 0, 60), true, Drive_Type::Remote},
      {Mount("/mnt/smb", "cifs", "//server/share", 0, 61), true, Drive_Type::Remote},
      {Mount("/mnt/ssh", "fuse.sshfs", "user@host:/home/user", 0, 62), true, Drive_Type::Remote},
      {Mount("/mnt/odd", "fuse.other", "host:/path", 0, 63), true, Drive_Type::Remote},
      {Mount("/run/user/1000/doc", "fuse.portal", "portal", 0, 64), false, Drive_Type::Fixed},
      {Mount("/mnt/ntfs", "fuseblk", "/dev/sdc1", 0, 65), true, Drive_Type::Fixed},
      {Mount("/home", "btrfs", "/dev/nvme0n1p2", 0, 33), true, Drive_Type::Fixed},
      {Mount("/tank", "zfs", "tank/data", 0, 70), true, Drive_Type::Fixed},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Is_Drive_Volume(c.mount), c.drive) << c.mount.mount_point << " " << c.mount.fs_type;
    if (c.drive) {
      EXPECT_EQ(Volume_Type(c.mount, removable), c.type) << c.mount.mount_point;
    }
  }
}

TEST(Mount_Holding, LongestPrefixAtASlashBoundaryAndTheLatestMountWins) {
  std::vector<Mount_Entry> mounts = {Mount("/", "ext4", "/dev/a", 8, 1),
                                     Mount("/mnt/data", "ext4", "/dev/b", 8, 2),
                                     Mount("/mnt/data", "tmpfs", "tmpfs", 0, 9)};
  EXPECT_EQ(Mount_Holding(mounts, "/mnt/data/x")->minor, 9u);
  EXPECT_EQ(Mount_Holding(mounts, "/mnt/data")->minor, 9u);
  EXPECT_EQ(Mount_Holding(mounts, "/mnt/database")->minor, 1u);
  EXPECT_EQ(Mount_Holding({}, "/x"), nullptr);
}

TEST(Mount_Holding, AMountMovedOverAnotherIsOnTopWhereverTheTableListsIt) {
  auto with_ids = [](Mount_Entry m, int id, int parent) {
    m.mount_id = id;
    m.parent_id = parent;
    return m;
  };
  // "mount --move" of a FUSE volume onto a tmpfs mounted later: the FUSE entry keeps
  // its earlier place in the table, but its parent is the tmpfs.
  const std::vector<Mount_Entry> mounts = {with_ids(Mount("/", "ext4", "/dev/a", 8, 1), 1, 0),
                                           with_ids(Mount("/mnt/x", "fuse.hung", "hung"), 20, 30),
                                           with_ids(Mount("/mnt/x", "tmpfs", "tmpfs"), 30, 1)};
  EXPECT_EQ(Mount_Holding(mounts, "/mnt/x/letter")->fs_type, "fuse.hung");
  EXPECT_EQ(Mount_Holding({mounts[0], mounts[2]}, "/mnt/x")->fs_type, "tmpfs");
}

}  // namespace
}  // namespace keldra::platform::linux_impl
