#include "extras/file_status.h"

#include "platform/error_mode.h"
#include "platform/file_access.h"

namespace keldra::extras {

std::string Get_File_Status(const std::string& name) {
  if (name.empty()) return "";
  if (name.size() >= 128) return "CLOSED";  // the open call takes no longer names
  if (!platform::File_Exists(name)) return "";
  platform::Error_Mode_Guard guard(platform::Process_Error_Mode());
  switch (platform::Try_Open_Exclusive(name)) {
    case platform::Open_Error::Success: return "CLOSED";
    case platform::Open_Error::File_Not_Found:
    case platform::Open_Error::Path_Not_Found:
    case platform::Open_Error::Not_Ready:
    case platform::Open_Error::Not_Dos_Disk:
    case platform::Open_Error::Sector_Not_Found: return "NOT FOUND";
    case platform::Open_Error::Sharing_Violation:
    case platform::Open_Error::Lock_Violation: return "OPEN";
    default: return "ERROR";
  }
}

void Set_File_Attributes(const std::string& name, bool read_only, bool archive, bool system,
                         bool hidden) {
  if (!platform::File_Exists(name)) return;
  std::uint32_t word = 0;
  if (read_only) word |= platform::Attribute_Read_Only;
  if (hidden) word |= platform::Attribute_Hidden;
  if (system) word |= platform::Attribute_System;
  if (archive) word |= platform::Attribute_Archive;
  platform::Set_Attribute_Word(name, word);
}

bool Delete_File_If_Closed(const std::string& name) {
  if (!platform::File_Exists(name)) return false;
  Set_File_Attributes(name, false, false, false, false);
  if (Get_File_Status(name) != "CLOSED") return false;
  platform::Delete_File(name);
  return !platform::File_Exists(name);
}

}  // namespace keldra::extras
