#include <windows.h>
#include "platform/keldra_error.h"
#include "platform/module_path.h"

namespace keldra::platform {
namespace {

// Where a path's folder part ends: after its last backslash, slash or drive colon.
std::size_t Name_Start(const std::string& path) {
  const std::size_t at = path.find_last_of("\\/:");
  return at == std::string::npos ? 0 : at + 1;
}

}  // namespace

std::string Module_File_Name() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) throw Keldra_Error("Cannot find the program's own file");
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // cut short: ask again with room to spare
  }
}

std::string Directory_With_Separator(const std::string& path) {
  return path.substr(0, Name_Start(path));
}

std::string File_Name_Of(const std::string& path) { return path.substr(Name_Start(path)); }

}  // namespace keldra::platform
