#pragma once
// The profile calls on an INI file: read one value, write one value. Each call
// opens, uses and lets go of the file within itself.
#include <string>
#include <string_view>

namespace keldra::settings {

// The value, or default_value when the file, section or key is missing or the file
// cannot be read.
std::string Get_Private_Profile_String(std::string_view section, std::string_view key,
                                       std::string_view default_value, const std::string& path);

// True when the value is stored. A file that exists but cannot be read is never
// replaced; a failed write leaves the old file byte for byte.
bool Write_Private_Profile_String(std::string_view section, std::string_view key,
                                  std::string_view value, const std::string& path);

}  // namespace keldra::settings
