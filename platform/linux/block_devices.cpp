#include "platform/linux/block_devices.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <climits>
#include <cstdlib>

#include "platform/file_system.h"

namespace keldra::platform::linux_impl {
namespace {

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string First_Line(const std::string& path) {
  File_Text f = Read_Text_File(path);
  if (f.status != Read_Status::Ok) return std::string();
  return f.text.substr(0, f.text.find('\n'));
}

std::string Device_Name(unsigned major, unsigned minor) {
  return std::to_string(major) + ":" + std::to_string(minor);
}

}  // namespace

std::string Decode_Udev_Escapes(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' && Hex(text[i + 2]) >= 0 &&
        Hex(text[i + 3]) >= 0) {
      out.push_back(static_cast<char>(Hex(text[i + 2]) * 16 + Hex(text[i + 3])));
      i += 3;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

Block_Devices::Block_Devices(std::string sys_root, std::string dev_root, std::string udev_root)
    : sys_root_(std::move(sys_root)),
      dev_root_(std::move(dev_root)),
      udev_root_(std::move(udev_root)) {}

bool Block_Devices::Is_Removable(unsigned major, unsigned minor) const {
  const std::string link = sys_root_ + "/dev/block/" + Device_Name(major, minor);
  char resolved[PATH_MAX];
  if (realpath(link.c_str(), resolved) == nullptr) return false;
  const std::string device = resolved;
  for (const char* bus : {"/usb", "/firewire", "/mmc"}) {
    if (device.find(bus) != std::string::npos) return true;
  }
  // A partition has no "removable" of its own; its disk, one level up, does.
  if (First_Line(device + "/removable") == "1") return true;
  const std::size_t slash = device.rfind('/');
  return slash != std::string::npos && First_Line(device.substr(0, slash) + "/removable") == "1";
}

std::string Block_Devices::Label(unsigned major, unsigned minor) const {
  const std::string by_label = dev_root_ + "/disk/by-label";
  if (DIR* dir = opendir(by_label.c_str())) {
    std::string found;
    while (dirent* e = readdir(dir)) {
      if (e->d_name[0] == '.') continue;
      struct stat st;
      const std::string entry = by_label + "/" + e->d_name;
      if (stat(entry.c_str(), &st) == 0 && S_ISBLK(st.st_mode) && ::major(st.st_rdev) == major &&
          ::minor(st.st_rdev) == minor) {
        found = Decode_Udev_Escapes(e->d_name);
        break;
      }
    }
    closedir(dir);
    if (!found.empty()) return found;
  }
  File_Text db = Read_Text_File(udev_root_ + "/data/b" + Device_Name(major, minor));
  if (db.status != Read_Status::Ok) return std::string();
  for (const char* key : {"E:ID_FS_LABEL_ENC=", "E:ID_FS_LABEL="}) {
    std::size_t at = db.text.find(key);
    if (at == std::string::npos) continue;
    at += std::char_traits<char>::length(key);
    std::string value = db.text.substr(at, db.text.find('\n', at) - at);
    if (!value.empty()) return Decode_Udev_Escapes(value);
  }
  return std::string();
}

}  // namespace keldra::platform::linux_impl
