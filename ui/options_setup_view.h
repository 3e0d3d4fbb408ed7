#pragma once
// The options dialog as its behaviour sees it, whatever draws it: the list of
// monitored drives, the interval field, the chooser's drive, the drive limit, the
// two check boxes, and being shown.
#include <optional>
#include <string>

namespace keldra::ui {

class Options_Setup_View {
 public:
  virtual ~Options_Setup_View() = default;
  // ListBox1: entries of one byte each, kept sorted by the list itself.
  virtual int Entry_Count() const = 0;
  virtual std::string Entry(int index) const = 0;
  virtual void Clear_Entries() = 0;
  virtual void Add_Entry(const std::string& text) = 0;
  virtual void Remove_Entry(int index) = 0;
  virtual std::optional<int> Selected_Entry() const = 0;
  // SpinEdit1, in whole seconds, bounded by the field.
  virtual int Interval_Seconds() const = 0;
  virtual void Set_Interval_Seconds(int seconds) = 0;
  // DriveComboBox1's drive letter, as the chooser shows it; none when it has none.
  virtual std::optional<char> Current_Drive() const = 0;
  // Max_Drives_SpinEdit and Show_Total_of_All_Drives_CheckBox show what the
  // behaviour holds; a click on the box is reported to it (Show_Total_CheckBoxClick).
  virtual void Show_Drive_Limit(int limit) = 0;
  virtual void Show_Total_Checked(bool on) = 0;
  virtual bool Always_On_Top_Checked() const = 0;
  virtual void Set_Always_On_Top_Checked(bool on) = 0;
  // Modal; returns once the dialog is closed, by OK or its close box.
  virtual void Show_Modal() = 0;
};

}  // namespace keldra::ui
