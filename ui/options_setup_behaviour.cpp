#include "ui/options_setup_behaviour.h"

#include <algorithm>
#include <cctype>

#include "ui/interval_field.h"
#include "ui/options_setup_description.h"

namespace keldra::ui {
namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

Options_Setup_Behaviour::Options_Setup_Behaviour(Options_Setup_View& view,
                                                 platform::Message_Boxes& boxes,
                                                 const platform::Drive_Table& drives)
    : view_(view),
      boxes_(boxes),
      drives_(drives),
      interval_text_(std::to_string(interval_field::Design_Value)) {}

void Options_Setup_Behaviour::Set_Drive_Limit() {
  drive_limit_ =
      std::clamp(platform::Drive_Letter_Count, Drive_Limit_Range.first, Drive_Limit_Range.second);
  view_.Show_Drive_Limit(drive_limit_);
}

void Options_Setup_Behaviour::Set_Show_Total(bool on) {
  show_total_ = on;
  view_.Show_Total_Checked(on);
}

void Options_Setup_Behaviour::Always_On_Top_CheckBox_Set(bool on) {
  on_top_ = on;
  view_.Show_Always_On_Top_Checked(on);
}

void Options_Setup_Behaviour::Fill_Options_Dialog(const settings::Settings_Holder& main) {
  // The field brings the seconds into its range.
  const auto seconds = static_cast<long long>(main.Timer_Interval() / 1000);
  interval_text_ = std::to_string(interval_field::Bounded(seconds));
  view_.Show_Interval_Text(interval_text_);
  // One entry past the limit gets in, as the total row's slot does; the list keeps
  // its entries sorted.
  const std::string letters = main.Monitored_Drive_Letters();
  const std::size_t last = static_cast<std::size_t>(std::max(Drive_Limit(), 0)) + 1;
  entries_.clear();
  for (std::size_t i = 0; i < letters.size() && i < last; ++i)
    entries_.push_back(std::string(1, letters[i]));
  std::stable_sort(entries_.begin(), entries_.end());
  view_.Show_Entries(entries_);
}

void Options_Setup_Behaviour::Read_Options_Dialog(settings::Settings_Holder& main) {
  const int seconds = interval_field::Bounded(interval_field::Written_Value(interval_text_));
  main.Set_Timer_Interval(static_cast<std::uint32_t>(seconds) * 1000u);
  std::string letters;
  for (const std::string& entry : entries_) letters += entry;
  main.Set_Monitored_Drive_Letters(letters);
}

void Options_Setup_Behaviour::Run_Command(int command) {
  switch (command) {
    case Options_Add_Drive: AddButtonClick(); break;
    case Options_Remove_Drive: ListBox1Click(view_.Selected_Entry()); break;
    case Options_OK: view_.Close(); break;
    case Options_Chooser_Timer: Chooser_TimerTimer(); break;
    // A tick or untick by the user: a refresh pass reads the total switch at once.
    case Options_Show_Total:
      show_total_ = view_.Checked(options_setup_names::Show_Total_of_All_Drives_CheckBox);
      break;
    case Options_Always_On_Top:
      on_top_ = view_.Checked(options_setup_names::Always_On_Top_CheckBox);
      break;
    default: break;
  }
}

void Options_Setup_Behaviour::AddButtonClick() {
  // With no current drive there is nothing to add; the click is ignored.
  if (!current_) return;
  const char letter = Upper(*current_);
  for (const std::string& entry : entries_) {
    if (entry.size() == 1 && Upper(entry[0]) == letter) {
      boxes_.Inform("This drive is already being monitored !");
      return;
    }
  }
  if (static_cast<int>(entries_.size()) >= Drive_Limit()) {
    boxes_.Show_Message(platform::Message_Kind::Warning,
                        "Sorry, Cannot add more than " + limit_text_ + " drives.",
                        platform::Button_OK, platform::Button_OK, platform::Button_OK);
    return;
  }
  const std::string entry(1, letter);
  entries_.insert(std::upper_bound(entries_.begin(), entries_.end(), entry), entry);
  view_.Show_Entries(entries_);
}

void Options_Setup_Behaviour::ListBox1Click(std::optional<int> selected) {
  if (!selected || *selected < 0 || *selected >= static_cast<int>(entries_.size())) return;
  const platform::Message_Button answer =
      boxes_.Show_Message(platform::Message_Kind::Warning, "Remove this Drive ?",
                          platform::Button_Yes | platform::Button_Cancel, platform::Button_Yes,
                          platform::Button_Cancel);
  if (answer != platform::Button_Yes) return;
  entries_.erase(entries_.begin() + *selected);
  view_.Show_Entries(entries_);
}

void Options_Setup_Behaviour::DriveComboBox1Pick(std::size_t index) {
  if (index < chooser_.size()) current_ = chooser_[index].letter;
}

void Options_Setup_Behaviour::SpinEdit1Change(const std::string& text) { interval_text_ = text; }

void Options_Setup_Behaviour::FormActivate() { limit_text_ = std::to_string(Drive_Limit()); }

void Options_Setup_Behaviour::Fill_Chooser() {
  if (chooser_filled_) return;
  chooser_filled_ = true;
  // One short wait for both questions: with a volume that hangs, each would otherwise
  // take all of it, and the dialog would open twice as late.
  const auto deadline = std::chrono::steady_clock::now() + Chooser_First_Wait;
  chooser_ = monitor::Chooser_Entries(drives_.Drives(Chooser_First_Wait));
  // Starts at the current directory's drive, if that drive is listed: the current
  // folder may be on a volume that hangs too.
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - std::chrono::steady_clock::now());
  const std::optional<std::size_t> here = monitor::Current_Directory_Entry(
      chooser_, drives_, std::max(left, std::chrono::milliseconds{0}));
  current_.reset();
  if (here) current_ = chooser_[*here].letter;
  Show_Chooser();
}

void Options_Setup_Behaviour::Chooser_TimerTimer() {
  const bool waiting = std::any_of(chooser_.begin(), chooser_.end(),
                                   [](const monitor::Chooser_Entry& e) { return !e.answered; });
  if (!chooser_filled_ || !waiting) return;
  const std::vector<platform::Drive_Entry> drives = drives_.Drives(std::chrono::milliseconds{0});
  std::vector<monitor::Chooser_Entry> now = monitor::Chooser_Entries(drives);
  if (now == chooser_) return;
  chooser_ = std::move(now);
  Show_Chooser();
}

void Options_Setup_Behaviour::Show_Chooser() {
  std::optional<std::size_t> shown;
  for (std::size_t i = 0; i < chooser_.size(); ++i) {
    if (current_ && chooser_[i].letter == *current_) shown = i;
  }
  view_.Show_Chooser(chooser_, shown);
}

}  // namespace keldra::ui
