// The settings file through the system's own profile calls. A save of several
// keys still replaces the file in one step: the keys are written into a copy
// beside it, which is then renamed over it, so a failure part-way leaves the old
// file as it was.
#include <string>

#include <windows.h>
#include "platform/profile_file.h"
#include "platform/windows/win32_files.h"

namespace keldra::platform {
namespace {

using namespace platform::win32_impl;

// The calls read into a buffer of 2048 bytes: values are cut at 2047 characters.
constexpr DWORD Profile_Buffer = 2048;

std::string Profile_String(const std::string& section, const std::string& key,
                           const std::string& default_value, const std::string& path) {
  char buffer[Profile_Buffer];
  const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), default_value.c_str(),
                                                buffer, Profile_Buffer, path.c_str());
  return std::string(buffer, length);
}

bool Has_Line_Break(const std::string& text) {
  return text.find_first_of("\r\n") != std::string::npos;
}

}  // namespace

std::string Get_Private_Profile_String(std::string_view section, std::string_view key,
                                       std::string_view default_value, const std::string& path) {
  return Profile_String(std::string(section), std::string(key), std::string(default_value), path);
}

bool Write_Private_Profile_Strings(
    std::string_view section, const std::vector<std::pair<std::string_view, std::string>>& values,
    const std::string& path) {
  const std::string section_name(section);
  // A line break would start a new line of the file: a key or section of its own.
  if (Has_Line_Break(section_name)) return false;
  for (const auto& [key, value] : values) {
    if (Has_Line_Break(std::string(key)) || Has_Line_Break(value)) return false;
  }
  if (!May_Replace(path)) return false;
  const bool exists = Attributes_Of(path) != INVALID_FILE_ATTRIBUTES;
  const std::string copy = Unique_Temporary_In(Folder_Of(path));
  if (copy.empty()) return false;
  // A file that is there but cannot be copied (not readable) is never replaced.
  bool ok = !exists || CopyFileA(path.c_str(), copy.c_str(), FALSE);
  for (const auto& [key, value] : values) {
    ok = ok && WritePrivateProfileStringA(section_name.c_str(), std::string(key).c_str(),
                                          value.c_str(), copy.c_str());
  }
  if (ok) {
    // Three nulls: the system writes out whatever it still holds for the copy.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, copy.c_str());
    ok = Replace_With(copy, path);
  }
  if (!ok) DeleteFileA(copy.c_str());
  return ok;
}

Profile_Reader::Profile_Reader(const std::string& path) : path_(path) {}

std::string Profile_Reader::Get(std::string_view section, std::string_view key,
                                std::string_view default_value) const {
  return Get_Private_Profile_String(section, key, default_value, path_);
}

}  // namespace keldra::platform
