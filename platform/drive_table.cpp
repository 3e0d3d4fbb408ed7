#include "platform/drive_table.h"

namespace keldra::platform {

const char* Drive_Type_Name(Drive_Type type) {
  switch (type) {
    case Drive_Type::Removable: return "removable";
    case Drive_Type::Fixed: return "fixed";
    case Drive_Type::Remote: return "remote";
    case Drive_Type::Cdrom: return "cdrom";
    case Drive_Type::Ramdisk: return "ramdisk";
    case Drive_Type::Missing: break;
  }
  return "missing";
}

int Drive_Letter_Index(char letter) {
  if (letter >= 'a' && letter <= 'z') return letter - 'a';
  if (letter >= 'A' && letter <= 'Z') return letter - 'A';
  return -1;
}

}  // namespace keldra::platform
