#pragma once
// The profile calls on an INI file: read one value, write one value. Each call
// opens, uses and lets go of the file within itself. Where the system has its own
// profile calls they are these (its platform folder implements this header);
// elsewhere Keldra's own INI engine stands in, with the same rules.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace keldra::settings {

// The value, or default_value when the file, section or key is missing or the file
// cannot be read.
std::string Get_Private_Profile_String(std::string_view section, std::string_view key,
                                       std::string_view default_value, const std::string& path);

// Several keys of one section in one replacement of the file: each is replaced or
// appended exactly as a single write would do it, in the order given, and either
// all of them reach the file or none does.
bool Write_Private_Profile_Strings(
    std::string_view section, const std::vector<std::pair<std::string_view, std::string>>& values,
    const std::string& path);

// True when the value is stored. A file that exists but cannot be read is never
// replaced; a failed write leaves the old file byte for byte.
inline bool Write_Private_Profile_String(std::string_view section, std::string_view key,
                                         std::string_view value, const std::string& path) {
  return Write_Private_Profile_Strings(section, {{key, std::string(value)}}, path);
}

// Several lookups in one file: Keldra's engine reads the file once for all of
// them; the system's own calls keep their own cache.
class Profile_Reader {
 public:
  explicit Profile_Reader(const std::string& path);
  std::string Get(std::string_view section, std::string_view key,
                  std::string_view default_value) const;

 private:
  std::string path_;
  std::string text_;
};

}  // namespace keldra::settings
