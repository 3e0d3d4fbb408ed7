#pragma once
// keldra.ini: where it lives, its section and keys, and how each kind of value is
// read from it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/profile_file.h"

namespace keldra::settings {

inline constexpr std::string_view Settings_Section = "keldra";
inline constexpr std::string_view Settings_File_Name = "keldra.ini";

inline constexpr std::string_view Key_Window_Top = "window_top_posn";
inline constexpr std::string_view Key_Window_Left = "window_left_posn";
inline constexpr std::string_view Key_Client_Width = "window_ClientWidth";
inline constexpr std::string_view Key_Timer_Interval = "timer_interval";
inline constexpr std::string_view Key_Drive_Letters = "drive_being_monitored_letters";
inline constexpr std::string_view Key_Show_Total = "Show_Total_of_All_Drives_CheckBox";
inline constexpr std::string_view Key_Always_On_Top = "Always_on_Top_Option";
inline constexpr std::string_view Key_Auto_Run = "Auto_Run_at_Windows_Startup_Option";

// The settings file beside the executable, whatever the executable is called.
std::string Settings_File_Path(const std::string& executable_path);

// The settings file read once, for looking up several keys in it: a load costs
// one read however many keys it takes. A missing or unreadable file has no keys.
class Settings_Text {
 public:
  explicit Settings_Text(const std::string& path);
  // The default when missing, empty or not an integer.
  std::int32_t Integer(std::string_view key, std::int32_t default_value) const;
  // An integer, non-zero meaning true, default false.
  bool Boolean(std::string_view key) const;
  // The default only when the key is missing.
  std::string String(std::string_view key, std::string_view default_value) const;

 private:
  platform::Profile_Reader file_;
};

// One-key reads of the file.
// An integer key: the default when missing, empty or not an integer.
std::int32_t Read_Integer_Setting(const std::string& path, std::string_view key,
                                  std::int32_t default_value);
// A boolean key: an integer, non-zero meaning true, default false.
bool Read_Boolean_Setting(const std::string& path, std::string_view key);
// A string key: the default only when the key is missing.
std::string Read_String_Setting(const std::string& path, std::string_view key,
                                std::string_view default_value);

}  // namespace keldra::settings
