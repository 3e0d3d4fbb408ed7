#include "platform/linux/mountinfo.h"

#include <gtest/gtest.h>

namespace keldra::platform::linux_impl {
namespace {

TEST(Parse_Mountinfo, RealWorldLines) {
  const std::string text =
      "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw,discard\n"
      "36 35 98:0 /mnt1 /mnt/bind\\040me rw,noatime master:1 shared:7 - ext3 /dev/root rw\n"
      "50 27 0:45 / /run/user/1000 rw,nosuid - tmpfs tmpfs rw,size=1620k\n"
      "61 27 7:3 / /snap/core/123 ro,nodev shared:30 - squashfs /dev/loop3 ro\n"
      "70 27 0:50 / /mnt/with\\011tab\\012newline\\134back rw - nfs4 srv:/export/home rw\n"
      "garbage line\n"
      "\n"
      "71 27 0:51 / /mnt/nosource rw - tmpfs\n"
      "80 27 8:17 / /media/USB\\040STICK rw - vfat /dev/sdb1 rw\n";
  auto e = Parse_Mountinfo(text);
  ASSERT_EQ(e.size(), 7u);
  EXPECT_EQ(e[0].mount_point, "/");
  EXPECT_EQ(e[0].major, 254u);
  EXPECT_EQ(e[0].fs_type, "ext4");
  EXPECT_EQ(e[0].source, "/dev/vda");
  EXPECT_EQ(e[1].mount_point, "/mnt/bind me");
  EXPECT_EQ(e[1].root, "/mnt1");
  EXPECT_EQ(e[1].fs_type, "ext3") << "optional fields before the dash are skipped";
  EXPECT_EQ(e[2].fs_type, "tmpfs");
  EXPECT_EQ(e[3].fs_type, "squashfs");
  EXPECT_EQ(e[4].mount_point, "/mnt/with\ttab\nnewline\\back");
  EXPECT_EQ(e[4].source, "srv:/export/home");
  EXPECT_EQ(e[5].source, "");
  EXPECT_EQ(e[6].mount_point, "/media/USB STICK");
  EXPECT_EQ(e[6].minor, 17u);
}

TEST(Decode_Mount_Escapes, LeavesIncompleteEscapesAlone) {
  EXPECT_EQ(Decode_Mount_Escapes("a\\04"), "a\\04");
  EXPECT_EQ(Decode_Mount_Escapes("a\\999"), "a\\999");
  EXPECT_EQ(Decode_Mount_Escapes("\\040\\040"), "  ");
}

}  // namespace
}  // namespace keldra::platform::linux_impl
