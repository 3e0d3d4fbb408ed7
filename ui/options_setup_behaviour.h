#pragma once
// The options dialog's behaviour. Created once and kept for the run; besides being
// a dialog it holds two settings others read from its controls: the total-row box
// and the drive limit.
#include <string>

#include "platform/message_boxes.h"
#include "settings/settings_holder.h"
#include "ui/options_setup_view.h"

namespace keldra::ui {

class Options_Setup_Behaviour {
 public:
  Options_Setup_Behaviour(Options_Setup_View& view, platform::Message_Boxes& boxes)
      : view_(view), boxes_(boxes) {}

  void Set_Drive_Limit();
  int Drive_Limit() const { return view_.Drive_Limit(); }
  bool Show_Total() const { return view_.Show_Total_Checked(); }
  void Set_Show_Total(bool on) { view_.Set_Show_Total_Checked(on); }
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
  std::string limit_text_;  // the limit as the warning names it, read at activation
};

}  // namespace keldra::ui
