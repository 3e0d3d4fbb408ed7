#pragma once
// TOptions_Setup as data: its window, its controls in tab order, its fixed texts and
// frames, and the drive chooser's pictures.
#include "platform/drive_table.h"
#include "ui/window_description.h"

namespace keldra::ui {

// The names of the controls, menus and timers the faces look up.
namespace options_setup_names {
inline constexpr const char* AddButton = "AddButton";
inline constexpr const char* Always_On_Top_CheckBox = "Always_On_Top_CheckBox";
inline constexpr const char* Arrow_Label = "Arrow_Label";
inline constexpr const char* DriveComboBox1 = "DriveComboBox1";
inline constexpr const char* SpinEdit1 = "SpinEdit1";
inline constexpr const char* ListBox1 = "ListBox1";
inline constexpr const char* Max_Drives_SpinEdit = "Max_Drives_SpinEdit";
inline constexpr const char* OKButton = "OKButton";
inline constexpr const char* Chooser_Timer = "Chooser_Timer";
inline constexpr const char* Show_Total_of_All_Drives_CheckBox =
    "Show_Total_of_All_Drives_CheckBox";
}  // namespace options_setup_names

enum Options_Setup_Command : int {
  Options_No_Command = No_Command,
  Options_Add_Drive,      // AddButtonClick
  Options_Remove_Drive,   // ListBox1Click
  Options_OK,             // OKButtonClick: closes the dialog
  Options_Chooser_Timer,  // Chooser_TimerTimer: drives that answer late are filled in
  Options_Show_Total,     // Show_Total_CheckBoxClick
  Options_Always_On_Top,  // Always_On_Top_CheckBoxClick
};

const Window_Description& Options_Setup_Description();

// The chooser's picture of each kind of drive, by resource name.
const char* Drive_Picture_Name(platform::Drive_Type type);

// The arrow from the Add button to the list: its letters close up until its head
// meets the list, in a face wider than the one it stands in for. The spacing to add
// after each letter (zero or less, in pixels) for a text of the natural width
// given; a face that spaces letters by whole pixels takes the next whole pixel down.
double Arrow_Letter_Spacing(int natural_width);

}  // namespace keldra::ui
