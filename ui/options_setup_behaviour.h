#pragma once
// The options dialog's behaviour. Created once and kept for the run; besides being
// a dialog it holds two settings others read: the total-row switch and the drive
// limit. Its view only shows them.
#include <string>
#include <utility>

#include "platform/message_boxes.h"
#include "settings/settings_holder.h"
#include "ui/options_setup_view.h"

namespace keldra::ui {

// The drive limit's field: its range, and its value until Set_Drive_Limit.
inline constexpr std::pair<int, int> Drive_Limit_Range{0, 100};
inline constexpr int Drive_Limit_Design_Value = 20;

class Options_Setup_Behaviour {
 public:
  Options_Setup_Behaviour(Options_Setup_View& view, platform::Message_Boxes& boxes)
      : view_(view), boxes_(boxes) {}

  void Set_Drive_Limit();
  int Drive_Limit() const { return drive_limit_; }
  bool Show_Total() const { return show_total_; }
  void Set_Show_Total(bool on);
  // The user ticked or unticked the box: a refresh pass reads it at once.
  void Show_Total_CheckBoxClick(bool on) { show_total_ = on; }
  void Always_On_Top_CheckBox_Set(bool on) { view_.Set_Always_On_Top_Checked(on); }
  bool Always_On_Top_CheckBox_Checked() const { return view_.Always_On_Top_Checked(); }
  void Show_Modal() { view_.Show_Modal(); }

  // Loads the list and the interval from the main window's state.
  void Fill_Options_Dialog(const settings::Settings_Holder& main);
  // Takes them back: the interval in whole seconds, the letters in list order.
  void Read_Options_Dialog(settings::Settings_Holder& main);

  void AddButtonClick();
  void ListBox1Click();
  // Runs as the dialog is shown and each time it becomes active.
  void FormActivate();

 private:
  Options_Setup_View& view_;
  platform::Message_Boxes& boxes_;
  int drive_limit_ = Drive_Limit_Design_Value;
  bool show_total_ = false;
  std::string limit_text_;  // the limit as the warning names it, read at activation
};

}  // namespace keldra::ui
