#include <windows.h>
#include "platform/file_access.h"
#include "platform/windows/win32_files.h"

namespace keldra::platform {

bool File_Exists(const std::string& path) {
  const DWORD attributes = win32_impl::Attributes_Of(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Open_Error Try_Open_Exclusive(const std::string& path) {
  OFSTRUCT info{};
  info.cBytes = sizeof info;
  const HFILE file = OpenFile(path.c_str(), &info, OF_READWRITE | OF_SHARE_EXCLUSIVE);
  if (file == HFILE_ERROR) return static_cast<Open_Error>(info.nErrCode);
  _lclose(file);
  return Open_Error::Success;
}

bool Set_Attribute_Word(const std::string& path, std::uint32_t attributes) {
  return SetFileAttributesA(path.c_str(), attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes) !=
         0;
}

std::uint32_t Get_Attribute_Word(const std::string& path) {
  const DWORD attributes = win32_impl::Attributes_Of(path);
  return attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes;
}

bool Delete_File(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

}  // namespace keldra::platform
