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
    case platform::ERROR_SUCCESS: return "CLOSED";
    case platform::ERROR_FILE_NOT_FOUND:
    case platform::ERROR_PATH_NOT_FOUND:
    case platform::ERROR_NOT_READY:
    case 26:  // not a DOS disk
    case 27:  // sector not found
      return "NOT FOUND";
    case platform::ERROR_SHARING_VIOLATION:
    case platform::ERROR_LOCK_VIOLATION: return "OPEN";
    default: return "ERROR";
  }
}

void Set_File_Attributes(const std::string& name, bool read_only, bool archive, bool system,
                         bool hidden) {
  if (!platform::File_Exists(name)) return;
  std::uint32_t word = 0;
  if (read_only) word |= platform::FILE_ATTRIBUTE_READONLY;
  if (hidden) word |= platform::FILE_ATTRIBUTE_HIDDEN;
  if (system) word |= platform::FILE_ATTRIBUTE_SYSTEM;
  if (archive) word |= platform::FILE_ATTRIBUTE_ARCHIVE;
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
