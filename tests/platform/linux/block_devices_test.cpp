#include "platform/linux/block_devices.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/fakes/temp_folder.h"

namespace keldra::platform::linux_impl {
namespace {

namespace fs = std::filesystem;

// A miniature /sys with one SATA disk, a USB stick and a card reader.
class Block_Devices_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string sys = dir / "sys";
    Device(sys + "/devices/pci0/ata1/block/sda", "0", "8:0");
    Device(sys + "/devices/pci0/ata1/block/sda/sda1", "", "8:1");
    Device(sys + "/devices/pci0/usb1/1-1/block/sdb", "0", "8:16");
    Device(sys + "/devices/pci0/usb1/1-1/block/sdb/sdb1", "", "8:17");
    Device(sys + "/devices/virtual/block/sdx", "1", "8:32");  // removable media flag
    Device(sys + "/devices/virtual/block/sdx/sdx1", "", "8:33");
    fs::create_directories(dir / "udev/data");
    test::Write_File(dir / "udev/data/b8:1", "S:disk/by-uuid/x\nE:ID_FS_LABEL_ENC=My\\x20Disk\n");
  }
  void Device(const std::string& path, const std::string& removable, const std::string& dev) {
    fs::create_directories(path);
    if (!removable.empty()) test::Write_File(path + "/removable", removable + "\n");
    fs::create_directories(dir / "sys/dev/block");
    fs::create_symlink(path, dir / ("sys/dev/block/" + dev));
  }
  test::Temp_Folder dir;
};

TEST_F(Block_Devices_Test, RemovableByMediaFlagOrBusForDisksAndTheirPartitions) {
  Block_Devices devices(dir / "sys", dir / "dev", dir / "udev");
  EXPECT_FALSE(devices.Is_Removable(8, 0));
  EXPECT_FALSE(devices.Is_Removable(8, 1));
  EXPECT_TRUE(devices.Is_Removable(8, 16));
  EXPECT_TRUE(devices.Is_Removable(8, 17));
  EXPECT_TRUE(devices.Is_Removable(8, 32));
  EXPECT_TRUE(devices.Is_Removable(8, 33));
  EXPECT_FALSE(devices.Is_Removable(9, 9)) << "an unknown device";
}

TEST_F(Block_Devices_Test, LabelsFromUdevsDatabaseDecoded) {
  Block_Devices devices(dir / "sys", dir / "dev", dir / "udev");
  EXPECT_EQ(devices.Label(8, 1), "My Disk");
  EXPECT_EQ(devices.Label(8, 17), "");
  EXPECT_EQ(Decode_Udev_Escapes("A\\x2fB\\x"), "A/B\\x");
}

}  // namespace
}  // namespace keldra::platform::linux_impl
