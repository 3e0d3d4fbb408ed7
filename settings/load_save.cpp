#include "settings/load_save.h"

#include <utility>
#include <vector>

#include "platform/keldra_error.h"
#include "settings/profile_file.h"
#include "settings/profile_values.h"
#include "settings/settings_file.h"

namespace keldra::settings {

void Load_Settings(Settings_Holder& h, const std::string& path) {
  // One read of the file serves all eight keys: a huge or slow file costs once.
  const Settings_Text file(path);
  h.Set_Window_Top(file.Integer(Key_Window_Top, 50));
  h.Set_Window_Left(file.Integer(Key_Window_Left, 50));
  h.Set_Client_Width(file.Integer(Key_Client_Width, 189));
  // The interval is unsigned; a negative value from a hand-edited file arrives as
  // its 32-bit pattern, exactly as the timer would take it.
  h.Set_Timer_Interval(static_cast<std::uint32_t>(file.Integer(Key_Timer_Interval, 30000)));
  h.Set_Monitored_Drive_Letters(Upper_Case_Ascii(file.String(Key_Drive_Letters, "c")));
  h.Set_Show_Total(file.Boolean(Key_Show_Total));
  h.Set_Always_On_Top_Mark(file.Boolean(Key_Always_On_Top));
  h.Set_Auto_Run_Mark(file.Boolean(Key_Auto_Run));
}

void Save_Settings(const Settings_Holder& h, const std::string& path) {
  auto number = [](std::int64_t v) { return std::to_string(v); };
  const std::vector<std::pair<std::string_view, std::string>> values = {
      {Key_Window_Top, number(h.Window_Top())},
      {Key_Window_Left, number(h.Window_Left())},
      {Key_Client_Width, number(h.Client_Width())},
      {Key_Timer_Interval, number(static_cast<std::int32_t>(h.Timer_Interval()))},
      {Key_Drive_Letters, h.Monitored_Drive_Letters()},
      {Key_Show_Total, h.Show_Total() ? "1" : "0"},
      {Key_Always_On_Top, h.Always_On_Top_Mark() ? "1" : "0"},
      {Key_Auto_Run, h.Auto_Run_Mark() ? "1" : "0"},
  };
  if (!Write_Private_Profile_Strings(Settings_Section, values, path)) {
    throw Keldra_Error("Unable to write to " + path);
  }
}

}  // namespace keldra::settings
