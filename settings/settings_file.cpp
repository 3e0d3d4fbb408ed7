#include "settings/settings_file.h"

#include "platform/module_path.h"
#include "settings/profile_file.h"
#include "settings/profile_values.h"

namespace keldra::settings {

std::string Settings_File_Path(const std::string& executable_path) {
  return platform::Directory_With_Separator(executable_path) + std::string(Settings_File_Name);
}

std::int32_t Read_Integer_Setting(const std::string& path, std::string_view key,
                                  std::int32_t default_value) {
  return Str_To_Int_Def(Get_Private_Profile_String(Settings_Section, key, "", path),
                        default_value);
}

bool Read_Boolean_Setting(const std::string& path, std::string_view key) {
  return Read_Integer_Setting(path, key, 0) != 0;
}

std::string Read_String_Setting(const std::string& path, std::string_view key,
                                std::string_view default_value) {
  return Get_Private_Profile_String(Settings_Section, key, default_value, path);
}

}  // namespace keldra::settings
