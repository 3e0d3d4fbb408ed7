#pragma once
// Facts about block devices from the system's device trees (/sys, /dev, udev's
// database). These never touch a mounted volume itself, so a hung volume cannot
// stall them. The roots can be moved for tests.
#include <string>

namespace keldra::platform::linux_impl {

class Block_Devices {
 public:
  Block_Devices(std::string sys_root = "/sys", std::string dev_root = "/dev",
                std::string udev_root = "/run/udev");

  // Removable media, or a device on a USB, FireWire or MMC bus.
  bool Is_Removable(unsigned major, unsigned minor) const;

  // The filesystem label, or "" when the device has none that the system knows.
  std::string Label(unsigned major, unsigned minor) const;

 private:
  std::string sys_root_;
  std::string dev_root_;
  std::string udev_root_;
};

// Undoes udev's \xNN escapes ("My\x20Disk" -> "My Disk").
std::string Decode_Udev_Escapes(const std::string& text);

}  // namespace keldra::platform::linux_impl
