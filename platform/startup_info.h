#pragma once
// The show state the launcher of the process asked for.
namespace keldra::platform {

// The show commands a launcher may pass, with the system's values (SW_HIDE to
// SW_SHOWDEFAULT).
enum Show_Command : int {
  Show_Hide = 0,
  Show_Normal = 1,
  Show_Minimized = 2,
  Show_Maximized = 3,
  Show_No_Activate = 4,
  Show_Show = 5,
  Show_Minimize = 6,
  Show_Min_No_Active = 7,
  Show_NA = 8,
  Show_Restore = 9,
  Show_Default = 10,
};

struct Startup_Info {
  bool uses_show_window = false;  // the system's STARTF_USESHOWWINDOW
  int show_command = Show_Default;
};

// Linux launchers pass no show command, so this answers "none".
Startup_Info Get_Startup_Info();

}  // namespace keldra::platform
