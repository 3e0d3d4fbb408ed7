#pragma once
// The profile calls on an INI file: read one value, write one value. Each call
// opens, uses and lets go of the file within itself. Where the system has its own
// profile calls they are these (its platform folder implements this header);
// elsewhere Keldra's own INI engine stands in, with the same rules.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ini/ini_text.h"

namespace keldra::platform {

// Keldra's own engine reads at most this much of a settings file: they hold a few
// hundred bytes, and a runaway one (junk, a link to a device or to /proc) must not
// cost more. Lines past it are not seen, and a write carries them over unchanged.
inline constexpr std::size_t Max_Settings_Bytes = std::size_t{4} << 20;

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

// Keldra's own engine only: the text of the file as its reads see it (at most
// Max_Settings_Bytes, whole lines), for a parser of its own; empty when missing or
// unreadable.
std::string Read_Visible_Profile_Text(const std::string& path);

// Several lookups in one file: Keldra's engine reads the file once, and a section
// once, for all of them; the system's own calls keep their own cache.
class Profile_Reader {
 public:
  explicit Profile_Reader(const std::string& path);
  std::string Get(std::string_view section, std::string_view key,
                  std::string_view default_value) const;

 private:
  std::string path_;
  std::string text_;
  mutable std::string section_;
  mutable std::optional<std::vector<ini::Ini_Entry>> entries_;
};

}  // namespace keldra::platform
