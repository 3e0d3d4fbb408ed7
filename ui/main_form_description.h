#pragma once
// TMainForm1 as data: the window, its 27 DriveRows, the activity indicator, the
// column heading, the hidden refresh button, Timer1 and the menu bar MainMenu1.
#include <cstdint>
#include <string>

#include "monitor/drive_rows.h"
#include "ui/window_description.h"

namespace keldra::ui {

// The names of the controls, menus and timers the faces look up.
namespace main_form_names {
inline constexpr const char* AboutOption = "AboutOption";
inline constexpr const char* Always_on_Top_Option = "Always_on_Top_Option";
inline constexpr const char* Auto_Run_at_Windows_Startup_Option =
    "Auto_Run_at_Windows_Startup_Option";
inline constexpr const char* ExitOption = "ExitOption";
inline constexpr const char* FileMenu = "FileMenu";
inline constexpr const char* Free_Used_Label = "Free_Used_Label";
inline constexpr const char* Help1 = "Help1";
inline constexpr const char* RefreshOption = "RefreshOption";
inline constexpr const char* Refresh_Button = "Refresh_Button";
inline constexpr const char* Restore_Factory_Defaults_Option = "Restore_Factory_Defaults_Option";
inline constexpr const char* SettingsOption = "SettingsOption";
inline constexpr const char* Spinner_Label = "Spinner_Label";
inline constexpr const char* Timer1 = "Timer1";
inline constexpr const char* View_Readme_file_Option = "View_Readme_file_Option";
inline constexpr const char* View_Shareware_Catalog_Option = "View_Shareware_Catalog_Option";
}  // namespace main_form_names

enum Main_Form_Command : int {
  Main_No_Command = No_Command,
  Main_Refresh,           // a refresh pass
  Main_Settings,          // SettingsOptionClick
  Main_Always_On_Top,     // Always_on_Top_OptionClick
  Main_Auto_Run,          // Auto_Run_at_Windows_Startup_OptionClick
  Main_Restore_Defaults,  // Restore_Factory_Defaults_OptionClick
  Main_Exit,              // ExitOptionClick: asks the window to close
  Main_View_Readme,       // View_Readme_file_OptionClick
  Main_View_Catalog,      // View_Shareware_Catalog_OptionClick
  Main_About,             // About1Click
  Main_Timer1,            // Timer1Timer
};

// The widest client a window system draws.
inline constexpr int Widest_Client_Width = 16384;

// Timer1's interval as the window is made, before any setting is loaded.
inline constexpr std::uint32_t Timer1_Design_Interval = 30000;

const Window_Description& Main_Form_Description();

// The names of row N's controls are these followed by N; they carry Tag N.
inline constexpr const char* Drive_Label_Prefix = "Drive_Label_";
inline constexpr const char* Drive_Pct_Free_Prefix = "Drive_Pct_Free_";
inline constexpr const char* Drive_Free_Prefix = "Drive_Free_";

// A gauge's bar in each of its colours (0xRRGGBB), on the gauge's white inside.
std::uint32_t Bar_Colour_Rgb(monitor::Bar_Color colour);
inline constexpr std::uint32_t Gauge_Inside_Rgb = 0xFFFFFF;

// Gauges draw their text combined with the picture by exclusive-or: in their own
// fonts, without smoothing.
inline constexpr bool Gauge_Text_Smoothed = false;

}  // namespace keldra::ui
