#pragma once
// The show state the launcher of the process asked for.
namespace keldra::platform {

// The show commands a launcher may pass.
enum Show_Command : int {
  SW_HIDE = 0,
  SW_SHOWNORMAL = 1,
  SW_SHOWMINIMIZED = 2,
  SW_SHOWMAXIMIZED = 3,
  SW_SHOWNOACTIVATE = 4,
  SW_SHOW = 5,
  SW_MINIMIZE = 6,
  SW_SHOWMINNOACTIVE = 7,
  SW_SHOWNA = 8,
  SW_RESTORE = 9,
  SW_SHOWDEFAULT = 10,
};

struct Startup_Info {
  bool uses_show_window = false;  // STARTF_USESHOWWINDOW
  int show_command = SW_SHOWDEFAULT;
};

// Linux launchers pass no show command, so this answers "none".
Startup_Info Get_Startup_Info();

}  // namespace keldra::platform
