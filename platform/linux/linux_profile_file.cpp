#include "platform/profile_file.h"

#include "ini/ini_text.h"
#include "platform/file_system.h"

namespace keldra::platform {
namespace {

// What a read sees of a file that starts with `text`: all of it when the file ends
// there within the limit; otherwise the lines that end within the first
// Max_Settings_Bytes. A CR as the very last byte may be half of a CR LF, so the
// line it would end is left out too.
std::string_view Visible_Part(std::string_view text, bool ends_there) {
  if (ends_there && text.size() <= Max_Settings_Bytes) return text;
  text = text.substr(0, Max_Settings_Bytes);
  for (std::size_t i = text.size(); i > 0; --i) {
    if (text[i - 1] == '\n' || (text[i - 1] == '\r' && i < text.size())) return text.substr(0, i);
  }
  return {};
}

platform::File_Text Read_Settings_File(const std::string& path) {
  return platform::Read_Text_File(path, Max_Settings_Bytes);
}

// The keys' lines as a section of their own, with CR LF endings as a new file gets.
std::string Section_Of(std::string_view section,
                       const std::vector<std::pair<std::string_view, std::string>>& values) {
  std::string text;
  for (const auto& [key, value] : values) text = *ini::Ini_Set_Value(text, section, key, value);
  return text;
}

}  // namespace

std::string Get_Private_Profile_String(std::string_view section, std::string_view key,
                                       std::string_view default_value, const std::string& path) {
  const platform::File_Text file = Read_Settings_File(path);
  if (file.status == platform::Read_Status::Ok) {
    if (auto value = ini::Ini_Find_Value(Visible_Part(file.text, file.whole), section, key)) {
      return *value;
    }
  }
  return ini::Profile_Default(default_value);
}

std::string Read_Visible_Profile_Text(const std::string& path) {
  platform::File_Text file = Read_Settings_File(path);
  if (file.status != platform::Read_Status::Ok) return std::string();
  file.text.resize(Visible_Part(file.text, file.whole).size());
  return std::move(file.text);
}

Profile_Reader::Profile_Reader(const std::string& path)
    : path_(path), text_(Read_Visible_Profile_Text(path)) {}

std::string Profile_Reader::Get(std::string_view section, std::string_view key,
                                std::string_view default_value) const {
  // The section's lines found once, in one pass, for all the keys asked of it.
  if (!entries_ || !ini::Ini_Same_Name(section_, section)) {
    section_.assign(section);
    entries_ = ini::Ini_Section_Entries(text_, section);
  }
  for (const ini::Ini_Entry& e : *entries_) {
    if (ini::Ini_Same_Name(e.name, key)) return ini::Ini_Value_As_Read(e.value);
  }
  return ini::Profile_Default(default_value);
}

bool Write_Private_Profile_Strings(
    std::string_view section, const std::vector<std::pair<std::string_view, std::string>>& values,
    const std::string& path) {
  const platform::File_Text file = Read_Settings_File(path);
  if (file.status == platform::Read_Status::Failed) return false;
  // Only what a read sees is edited; the bytes beyond it are carried over as they
  // are, streamed from the old file, so a huge file loses nothing.
  const std::string_view seen = Visible_Part(file.text, file.whole);
  std::string text(seen);
  for (const auto& [key, value] : values) {
    std::optional<std::string> updated = ini::Ini_Set_Value(text, section, key, value);
    if (!updated) return false;
    text = std::move(*updated);
  }
  platform::Atomic_Write_Options options;
  if (!file.whole) options.keep_tail_from = seen.size();
  if (!file.whole || text.size() > Max_Settings_Bytes) {
    // A file at the limit may have pushed a key it was given past the read's sight;
    // then the keys go into a section of their own near the start of the file.
    const std::string next = text + std::string(file.text.substr(seen.size()));
    const std::string_view next_seen = Visible_Part(next, file.whole);
    bool all_seen = true;
    for (const auto& [key, value] : values) {
      all_seen = all_seen && ini::Ini_Find_Value(next_seen, section, key) ==
                                 ini::Ini_Find_Value(text, section, key);
    }
    if (!all_seen) {
      // Before the first section header seen, so that it is the first of its name,
      // and the lines ahead of every section stay outside any.
      const std::size_t at = ini::Ini_First_Section_Start(seen);
      text = std::string(seen.substr(0, at)) + Section_Of(section, values) +
             std::string(seen.substr(at));
    }
  }
  // Written even when nothing changed, so that a file or folder the user made
  // read-only is reported as such on every save.
  return platform::Write_Text_File_Atomically(path, text, options);
}

}  // namespace keldra::platform
