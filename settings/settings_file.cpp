#include "settings/settings_file.h"

#include "ini/profile_values.h"
#include "platform/module_path.h"
#include "platform/program_files.h"

namespace keldra::settings {

std::string Settings_File_Path(const std::string& executable_path) {
  return platform::Settings_Folder(executable_path) + std::string(Settings_File_Name);
}

Settings_Text::Settings_Text(const std::string& path) : file_(path) {}

std::int32_t Settings_Text::Integer(std::string_view key, std::int32_t default_value) const {
  // A missing key reads as the default's own text, which converts back to it.
  return ini::Str_To_Int_Def(file_.Get(Settings_Section, key, std::to_string(default_value)),
                             default_value);
}

bool Settings_Text::Boolean(std::string_view key) const { return Integer(key, 0) != 0; }

std::string Settings_Text::String(std::string_view key, std::string_view default_value) const {
  return file_.Get(Settings_Section, key, default_value);
}

std::int32_t Read_Integer_Setting(const std::string& path, std::string_view key,
                                  std::int32_t default_value) {
  return Settings_Text(path).Integer(key, default_value);
}

bool Read_Boolean_Setting(const std::string& path, std::string_view key) {
  return Settings_Text(path).Boolean(key);
}

std::string Read_String_Setting(const std::string& path, std::string_view key,
                                std::string_view default_value) {
  return Settings_Text(path).String(key, default_value);
}

}  // namespace keldra::settings
