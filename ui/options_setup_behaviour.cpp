#include "ui/options_setup_behaviour.h"

#include <algorithm>
#include <cctype>

#include "platform/drive_table.h"

namespace keldra::ui {
namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

void Options_Setup_Behaviour::Set_Drive_Limit() {
  drive_limit_ =
      std::clamp(platform::Drive_Letter_Count, Drive_Limit_Range.first, Drive_Limit_Range.second);
  view_.Show_Drive_Limit(drive_limit_);
}

void Options_Setup_Behaviour::Set_Show_Total(bool on) {
  show_total_ = on;
  view_.Show_Total_Checked(on);
}

void Options_Setup_Behaviour::Fill_Options_Dialog(const settings::Settings_Holder& main) {
  view_.Clear_Entries();
  view_.Set_Interval_Seconds(
      static_cast<int>(std::min<std::uint32_t>(main.Timer_Interval() / 1000, 1000)));
  // One entry past the limit gets in, as the total row's slot does.
  const std::string letters = main.Monitored_Drive_Letters();
  const std::size_t last = static_cast<std::size_t>(std::max(Drive_Limit(), 0)) + 1;
  for (std::size_t i = 0; i < letters.size() && i < last; ++i)
    view_.Add_Entry(std::string(1, letters[i]));
}

void Options_Setup_Behaviour::Read_Options_Dialog(settings::Settings_Holder& main) {
  main.Set_Timer_Interval(static_cast<std::uint32_t>(view_.Interval_Seconds()) * 1000u);
  std::string letters;
  for (int i = 0; i < view_.Entry_Count(); ++i) letters += view_.Entry(i);
  main.Set_Monitored_Drive_Letters(letters);
}

void Options_Setup_Behaviour::AddButtonClick() {
  // With no current drive there is nothing to add; the click is ignored.
  const std::optional<char> current = view_.Current_Drive();
  if (!current) return;
  const char letter = Upper(*current);
  for (int i = 0; i < view_.Entry_Count(); ++i) {
    const std::string entry = view_.Entry(i);
    if (entry.size() == 1 && Upper(entry[0]) == letter) {
      boxes_.Inform("This drive is already being monitored !");
      return;
    }
  }
  if (view_.Entry_Count() >= Drive_Limit()) {
    boxes_.Show_Message(platform::Message_Kind::Warning,
                        "Sorry, Cannot add more than " + limit_text_ + " drives.",
                        platform::Button_OK, platform::Button_OK, platform::Button_OK);
    return;
  }
  view_.Add_Entry(std::string(1, letter));
}

void Options_Setup_Behaviour::ListBox1Click() {
  const std::optional<int> selected = view_.Selected_Entry();
  if (!selected) return;
  const platform::Message_Button answer =
      boxes_.Show_Message(platform::Message_Kind::Warning, "Remove this Drive ?",
                          platform::Button_Yes | platform::Button_Cancel, platform::Button_Yes,
                          platform::Button_Cancel);
  if (answer == platform::Button_Yes) view_.Remove_Entry(*selected);
}

void Options_Setup_Behaviour::FormActivate() { limit_text_ = std::to_string(Drive_Limit()); }

}  // namespace keldra::ui
