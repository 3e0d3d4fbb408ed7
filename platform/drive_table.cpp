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

}  // namespace keldra::platform
