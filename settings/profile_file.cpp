#include "settings/profile_file.h"

#include "platform/file_system.h"
#include "settings/ini_text.h"

namespace keldra::settings {

std::string Get_Private_Profile_String(std::string_view section, std::string_view key,
                                       std::string_view default_value, const std::string& path) {
  platform::File_Text file = platform::Read_Text_File(path);
  if (file.status == platform::Read_Status::Ok) {
    if (auto value = Ini_Find_Value(file.text, section, key)) return *value;
  }
  return Profile_Default(default_value);
}

Profile_Reader::Profile_Reader(const std::string& path) : path_(path) {
  platform::File_Text file = platform::Read_Text_File(path);
  if (file.status == platform::Read_Status::Ok) text_ = std::move(file.text);
}

std::string Profile_Reader::Get(std::string_view section, std::string_view key,
                                std::string_view default_value) const {
  if (auto value = Ini_Find_Value(text_, section, key)) return *value;
  return Profile_Default(default_value);
}

bool Write_Private_Profile_Strings(
    std::string_view section, const std::vector<std::pair<std::string_view, std::string>>& values,
    const std::string& path) {
  platform::File_Text file = platform::Read_Text_File(path);
  if (file.status == platform::Read_Status::Failed) return false;
  std::string text = file.text;
  for (const auto& [key, value] : values) {
    std::optional<std::string> updated = Ini_Set_Value(text, section, key, value);
    if (!updated) return false;
    text = std::move(*updated);
  }
  // Written even when nothing changed, so that a file or folder the user made
  // read-only is reported as such on every save.
  return platform::Write_Text_File_Atomically(path, text);
}

}  // namespace keldra::settings
