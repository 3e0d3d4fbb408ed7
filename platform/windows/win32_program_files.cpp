#include "platform/program_files.h"

#include "platform/module_path.h"

namespace keldra::platform {

// A Windows program keeps its files in its own folder, wherever it was unpacked.
std::string Settings_Folder(const std::string& executable_path) {
  return Directory_With_Separator(executable_path);
}

std::string Documents_Folder(const std::string& executable_path) {
  return Directory_With_Separator(executable_path);
}

void Make_Settings_Folder(const std::string& /*settings_file_path*/) {}

}  // namespace keldra::platform
