#include "notices/notice_file.h"

#include <charconv>
#include <utility>
#include <vector>

#include "ini/ini_text.h"
#include "platform/bounded_call.h"
#include "platform/module_path.h"
#include "platform/profile_file.h"
#include "platform/program_files.h"

namespace keldra::notices {
namespace {

constexpr std::string_view Section = "notices";
constexpr std::string_view Key_Free_Percent = "free_percent";
constexpr std::string_view Key_Free_Megabytes = "free_megabytes";
constexpr std::string_view Key_Quiet_Drives = "quiet_drives";

std::string Noticed_Key(int index) { return "noticed_" + std::string(1, char('A' + index)); }

// A whole decimal number and nothing else, within [low, high].
std::optional<std::int64_t> Number(const std::optional<std::string>& text, std::int64_t low,
                                   std::int64_t high) {
  if (!text || text->empty()) return std::nullopt;
  std::int64_t v = 0;
  const char* end = text->data() + text->size();
  const auto [at, error] = std::from_chars(text->data(), end, v);
  if (error != std::errc() || at != end || v < low || v > high) return std::nullopt;
  return v;
}

using Values = std::vector<std::pair<std::string, std::string>>;

Values Changed_Values(const Notice_Settings& then, const Notice_Settings& now) {
  Values out;
  if (!now.limits_in_file) {
    out.emplace_back(Key_Free_Percent, std::to_string(now.limits.free_percent));
    out.emplace_back(Key_Free_Megabytes, std::to_string(now.limits.free_megabytes));
  }
  std::string quiet_then, quiet_now;
  for (int i = 0; i < platform::Drive_Letter_Count; ++i) {
    const auto n = static_cast<std::size_t>(i);
    if (then.memory.quiet[n]) quiet_then += char('A' + i);
    if (now.memory.quiet[n]) quiet_now += char('A' + i);
  }
  if (quiet_now != quiet_then) out.emplace_back(Key_Quiet_Drives, quiet_now);
  for (int i = 0; i < platform::Drive_Letter_Count; ++i) {
    const auto& noticed = now.memory.noticed_free_kb[static_cast<std::size_t>(i)];
    if (noticed == then.memory.noticed_free_kb[static_cast<std::size_t>(i)]) continue;
    out.emplace_back(Noticed_Key(i), noticed ? std::to_string(*noticed) : std::string());
  }
  return out;
}

}  // namespace

std::string Notice_File_Path(const std::string& executable_path) {
  return platform::Settings_Folder(executable_path) + "notices.ini";
}

Notice_Settings Parse_Notice_Settings(const std::string& text) {
  Notice_Settings s;
  auto value = [&](std::string_view key) { return ini::Ini_Find_Value(text, Section, key); };
  const auto percent = Number(value(Key_Free_Percent), 0, 100);
  const auto megabytes = Number(value(Key_Free_Megabytes), 0, INT64_MAX / 1024);
  if (percent) s.limits.free_percent = static_cast<int>(*percent);
  if (megabytes) s.limits.free_megabytes = *megabytes;
  s.limits_in_file = percent && megabytes;
  for (char c : value(Key_Quiet_Drives).value_or("")) {
    const int i = platform::Drive_Letter_Index(c);
    if (i >= 0) s.memory.quiet[static_cast<std::size_t>(i)] = true;
  }
  for (int i = 0; i < platform::Drive_Letter_Count; ++i) {
    s.memory.noticed_free_kb[static_cast<std::size_t>(i)] =
        Number(value(Noticed_Key(i)), 0, INT64_MAX);
  }
  return s;
}

Notice_Settings Load_Notice_Settings(const std::string& path, std::chrono::milliseconds wait) {
  const std::optional<std::string> text = platform::Run_Bounded(
      [path] {
        // The keys as the system's profile calls read them, handed back as a section
        // of their own: the same parse as any text.
        const platform::Profile_Reader file(path);
        std::string text = "[notices]\n";
        auto add = [&](std::string_view key) {
          text += std::string(key) + '=' + file.Get(Section, key, "") + '\n';
        };
        for (std::string_view key : {Key_Free_Percent, Key_Free_Megabytes, Key_Quiet_Drives}) {
          add(key);
        }
        for (int i = 0; i < platform::Drive_Letter_Count; ++i) add(Noticed_Key(i));
        return text;
      },
      wait, platform::Directory_With_Separator(path));
  return Parse_Notice_Settings(text.value_or(std::string()));
}

bool Save_Notice_Changes(const Notice_Settings& then, const Notice_Settings& now,
                         const std::string& path, std::chrono::milliseconds wait) {
  const Values values = Changed_Values(then, now);
  if (values.empty()) return true;
  const std::optional<std::string> saved = platform::Run_Bounded(
      [values, path] {
        std::vector<std::pair<std::string_view, std::string>> keyed;
        for (const auto& [key, value] : values) keyed.emplace_back(key, value);
        platform::Make_Settings_Folder(path);
        return std::string(platform::Write_Private_Profile_Strings(Section, keyed, path) ? "saved"
                                                                                         : "");
      },
      wait, platform::Directory_With_Separator(path));
  return saved == "saved";
}

}  // namespace keldra::notices
