#pragma once
// The options dialog's behaviour. Created once and kept for the run, it holds what
// the dialog shows: the list of monitored drives, the interval field's text, the
// chooser's drives and current drive, the two switches, and the drive limit and
// total-row switch that others read. Its view only shows them and reports what
// the user did.
#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "monitor/chooser_entries.h"
#include "platform/drive_table.h"
#include "platform/message_boxes.h"
#include "settings/settings_holder.h"
#include "ui/options_setup_view.h"

namespace keldra::ui {

// The drive limit's field: its range, and its value until Set_Drive_Limit.
inline constexpr std::pair<int, int> Drive_Limit_Range{0, 100};
inline constexpr int Drive_Limit_Design_Value = 20;
// How long the chooser waits for the drives as the dialog opens: short enough that
// it opens at once; a drive that answers later is filled in by the chooser's timer.
inline constexpr std::chrono::milliseconds Chooser_First_Wait{200};

class Options_Setup_Behaviour {
 public:
  Options_Setup_Behaviour(Options_Setup_View& view, platform::Message_Boxes& boxes,
                          const platform::Drive_Table& drives);

  void Set_Drive_Limit();
  int Drive_Limit() const { return drive_limit_; }
  bool Show_Total() const { return show_total_; }
  void Set_Show_Total(bool on);
  void Always_On_Top_CheckBox_Set(bool on);
  bool Always_On_Top_CheckBox_Checked() const { return on_top_; }
  void Show_Modal() { view_.Show_Modal(); }

  // Loads the list and the interval from the main window's state.
  void Fill_Options_Dialog(const settings::Settings_Holder& main);
  // Takes them back: the interval in whole seconds, the letters in list order.
  void Read_Options_Dialog(settings::Settings_Holder& main);

  // A command of the dialog's description: a click (a check box's included), its
  // timer, Escape.
  void Run_Command(int command);

  // What the user did.
  void AddButtonClick();
  void ListBox1Click(std::optional<int> selected);  // the entry now selected, if any
  void DriveComboBox1Pick(std::size_t index);
  void SpinEdit1Change(const std::string& text);
  // Runs as the dialog is shown and each time it becomes active.
  void FormActivate();
  // The chooser's drives, read the first time the dialog opens within a short
  // wait; a drive that has not answered is listed by its letter.
  void Fill_Chooser();
  // While the dialog is open: the drives that had not answered are asked again,
  // without waiting, and filled in once they have.
  void Chooser_TimerTimer();

  const std::vector<std::string>& Entries() const { return entries_; }
  const std::string& Interval_Text() const { return interval_text_; }
  std::optional<char> Current_Drive() const { return current_; }

 private:
  void Show_Chooser();

  Options_Setup_View& view_;
  platform::Message_Boxes& boxes_;
  const platform::Drive_Table& drives_;
  std::vector<std::string> entries_;  // ListBox1's, kept sorted
  std::string interval_text_;
  std::vector<monitor::Chooser_Entry> chooser_;
  std::optional<char> current_;  // lower case
  bool chooser_filled_ = false;
  bool on_top_ = false;
  int drive_limit_ = Drive_Limit_Design_Value;
  bool show_total_ = false;
  std::string limit_text_;  // the limit as the warning names it, read at activation
};

}  // namespace keldra::ui
