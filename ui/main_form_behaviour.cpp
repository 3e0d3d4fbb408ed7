#include "ui/main_form_behaviour.h"

#include <algorithm>
#include <limits>

#include "extras/document_viewing.h"
#include "extras/text_helpers.h"
#include "ini/profile_values.h"
#include "monitor/refresh_pass.h"
#include "monitor/spinner.h"
#include "platform/startup_info.h"
#include "settings/auto_run.h"
#include "settings/factory_defaults.h"
#include "settings/load_save.h"
#include "settings/settings_file.h"
#include "ui/start_steps.h"

namespace keldra::ui {

Main_Form_Behaviour::Main_Form_Behaviour(Main_Form_View& view, Services services,
                                         Options_Setup_Behaviour& options,
                                         ui::About_Box_Behaviour& about,
                                         ui::Application_Title& title)
    : view_(view),
      services_(std::move(services)),
      options_(options),
      about_(about),
      title_(title) {}

std::string Main_Form_Behaviour::Settings_Path() const {
  return settings::Settings_File_Path(services_.executable_path);
}

// --- the refresh pass, the timer and the error boundary ---

void Main_Form_Behaviour::Set_Client_Width(int width) {
  view_.Set_Client_Width(
      std::clamp(width, std::max(view_.Narrowest_Client_Width(), 1), Widest_Client_Width));
}

void Main_Form_Behaviour::Run_Command(int command) {
  Guarded([this, command] {
    switch (command) {
      case Main_Refresh: Refresh_All_Drives(); break;
      case Main_Settings: SettingsOptionClick(); break;
      case Main_Always_On_Top: Toggle_Always_on_Top(); break;
      case Main_Auto_Run: Auto_Run_at_Windows_Startup_OptionClick(); break;
      case Main_Restore_Defaults: Restore_Factory_Defaults_OptionClick(); break;
      case Main_Exit: view_.Request_Close(); break;
      case Main_View_Readme: View_Readme_file_OptionClick(); break;
      case Main_View_Catalog: View_Shareware_Catalog_OptionClick(); break;
      case Main_About: About1Click(); break;
      case Main_Timer1: Timer1Timer(); break;
      default: break;
    }
  });
}

void Main_Form_Behaviour::Refresh_All_Drives() {
  // Settings that answer late are applied at the pass after they come, as a slow
  // volume's figures are.
  if (late_settings_) Apply_Late_Settings({});
  struct Show_At_End {
    Held_Row_Visibility& rows;
    Main_Form_View& view;
    ~Show_At_End() {
      rows.Release();
      view.Rows_Updated();
    }
  } show{rows_, view_};  // also when the pass stops at a bad slot
  monitor::Refresh_All_Drives(rows_, *this, services_.queries);
}

void Main_Form_Behaviour::Timer1Timer() {
  Refresh_All_Drives();
  // A failed pass leaves the indicator as it was.
  spinner_ = monitor::Next_Spinner_Frame(spinner_);
  view_.Set_Spinner_Text(spinner_);
}

void Main_Form_Behaviour::Set_Timer_Interval(std::uint32_t interval) {
  // Setting the interval Timer1 already has changes nothing; any other value
  // restarts its count, and 0 stops it.
  if (interval == interval_) return;
  interval_ = interval;
  view_.Set_Ticks(Tick_Period(interval));
}

std::optional<int> Tick_Period(std::uint32_t interval) {
  if (interval == 0) return std::nullopt;
  // Timers count in a signed 32-bit number (Windows' USER_TIMER_MAXIMUM, Qt's int):
  // an interval past 24.8 days, "-1" in a hand-edited file among them, waits that long.
  constexpr auto longest = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
  return static_cast<int>(std::min(interval, longest));
}

void Main_Form_Behaviour::Report_Error(const std::string& message) {
  if (error_box_open_ && message == error_on_screen_) return;
  const bool outer_open = error_box_open_;
  const std::string outer = error_on_screen_;
  error_box_open_ = true;
  error_on_screen_ = message;
  services_.boxes.Show_Error(title_.text, message);
  error_box_open_ = outer_open;
  error_on_screen_ = outer;
}

// --- placement, marks and always on top ---

void Main_Form_Behaviour::Set_Window_Top(int top) { view_.Move_Frame(view_.Frame_Left(), top); }

void Main_Form_Behaviour::Set_Window_Left(int left) { view_.Move_Frame(left, view_.Frame_Top()); }

void Main_Form_Behaviour::Set_Always_On_Top_Mark(bool on) {
  on_top_mark_ = on;
  view_.Show_Mark(Menu_Mark_Item::Always_On_Top, on);
}

void Main_Form_Behaviour::Set_Auto_Run_Mark(bool on) {
  auto_run_mark_ = on;
  view_.Show_Mark(Menu_Mark_Item::Auto_Run, on);
}

void Main_Form_Behaviour::Toggle_Always_on_Top() {
  Set_Always_On_Top_Mark(!on_top_mark_);
  view_.Set_Keep_Above(on_top_mark_);
}

void Main_Form_Behaviour::Apply_Startup_Show_State() {
  const platform::Startup_Info info = platform::Get_Startup_Info();
  view_.Show_Window(info.uses_show_window ? info.show_command : platform::Show_Default);
}

// --- start-up, the options dialog and closing ---

void Main_Form_Behaviour::FormShow() {
  Guarded([this] {
    // A folder that does not answer gives the defaults for now; the file is asked
    // again at each pass (see Apply_Late_Settings).
    late_settings_.reset();
    settings_read_ = settings::Load_Settings_Within(*this, Settings_Path());
    Start_Step("settings_loaded");
    about_.Fill_About_Box_Texts(title_,
                                [this](const std::string& c) { view_.Set_Window_Caption(c); });
    options_.Set_Drive_Limit();
    Refresh_All_Drives();
    Start_Step("first_pass");
    Apply_Startup_Show_State();
    Start_Step("show_state");
    // The loaded mark is applied by toggling from its opposite.
    Set_Always_On_Top_Mark(!Always_On_Top_Mark());
    Toggle_Always_on_Top();
    Start_Step("on_top_applied");
    settings::Auto_Run_Context auto_run{services_.registry, services_.boxes,
                                        services_.executable_path};
    Set_Auto_Run_Mark(settings::Check_Auto_Run(auto_run));
    Start_Step("auto_run_checked");
    if (!settings_read_) {
      late_settings_ = std::make_unique<settings::Late_Settings>(Settings_Path());
      applied_ = settings::Settings_Of(*this);
    }
  });
}

bool Main_Form_Behaviour::Apply_Late_Settings(std::chrono::milliseconds wait) {
  const std::optional<settings::Memory_Settings_Holder> file = late_settings_->Take(wait);
  if (!file) return false;
  late_settings_.reset();
  settings_read_ = true;
  const bool on_top = Always_On_Top_Mark();
  settings::Merge_Late_Settings(*this, applied_, *file);
  if (Always_On_Top_Mark() != on_top) {
    // Applied as a load's mark is: by toggling from its opposite.
    Set_Always_On_Top_Mark(on_top);
    Toggle_Always_on_Top();
  }
  return true;
}

std::string Late_Settings_Close_Question(const std::string& path) {
  return "Keldra could not read its settings from " + path +
         ", and this session's changes could not be saved there either.\r\n\r\n"
         "Close anyway and lose them ?";
}

void Main_Form_Behaviour::Save_Session() {
  if (late_settings_ && !Apply_Late_Settings(platform::Volume_Wait)) {
    // The file never answered: only what the user changed is written, so that the
    // defaults shown meanwhile never replace what the file holds.
    settings::Save_Changed_Settings_Within(*this, applied_, Settings_Path());
    return;
  }
  if (settings_read_) settings::Save_Settings_Within(*this, Settings_Path());
}

bool Main_Form_Behaviour::FormCloseQuery() {
  try {
    Save_Session();
    return true;
  } catch (const std::exception& e) {
    if (late_settings_) {
      // A file that never answered: the user is told, and chooses.
      return services_.boxes.Show_Message(
                 platform::Message_Kind::Warning, Late_Settings_Close_Question(Settings_Path()),
                 platform::Button_Yes | platform::Button_No, platform::Button_No,
                 platform::Button_No) == platform::Button_Yes;
    }
    Report_Error(e.what());
    return false;
  }
}

std::string Main_Form_Behaviour::Save_Without_Window() {
  try {
    Save_Session();
    return {};
  } catch (const std::exception& e) {
    return e.what();
  }
}

void Main_Form_Behaviour::SettingsOptionClick() {
  options_.Always_On_Top_CheckBox_Set(Always_On_Top_Mark());
  options_.Fill_Options_Dialog(*this);
  options_.Show_Modal();
  options_.Read_Options_Dialog(*this);
  options_.Set_Drive_Limit();
  Refresh_All_Drives();
  // The box decides the mark on every close, and it is applied again.
  Set_Always_On_Top_Mark(!options_.Always_On_Top_CheckBox_Checked());
  Toggle_Always_on_Top();
}

// --- the File menu's other commands, drops and the Help menu ---

void Main_Form_Behaviour::Restore_Factory_Defaults_OptionClick() {
  settings::Restore_Factory_Defaults(
      services_.boxes, Settings_Path(),
      {[this](std::function<void()> then) { view_.Restore_Normal_State(std::move(then)); },
       [this] { FormShow(); }});
}

void Main_Form_Behaviour::Auto_Run_at_Windows_Startup_OptionClick() {
  // The mark changes only when the operation succeeds.
  settings::Auto_Run_Context ctx{services_.registry, services_.boxes, services_.executable_path};
  if (!Auto_Run_Mark()) {
    if (settings::Turn_Auto_Run_On(ctx)) Set_Auto_Run_Mark(true);
  } else {
    if (settings::Turn_Auto_Run_Off(ctx)) Set_Auto_Run_Mark(false);
  }
}

void Main_Form_Behaviour::View_Readme_file_OptionClick() {
  extras::Document_Context ctx{services_.launcher, services_.boxes, services_.executable_path};
  extras::View_Readme_File(ctx);
}

void Main_Form_Behaviour::View_Shareware_Catalog_OptionClick() {
  extras::Document_Context ctx{services_.launcher, services_.boxes, services_.executable_path};
  extras::View_Catalog_File(ctx, about_.Product_Name());
}

void Main_Form_Behaviour::Files_Dropped(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    const std::optional<std::string> form = services_.drives.Drive_Form(path);
    if (!form) continue;  // on no lettered drive
    const char letter = extras::First_Char(ini::Upper_Case_Ascii(*form));
    if (letter < 'A' || letter > 'Z') continue;
    if (letters_.find(letter) != std::string::npos) continue;
    letters_ = extras::Sort_Chars(letters_ + letter);
    // Through the dialog and back, as the options dialog would: the interval
    // comes back in whole seconds.
    options_.Fill_Options_Dialog(*this);
    options_.Read_Options_Dialog(*this);
  }
  Refresh_All_Drives();
}

}  // namespace keldra::ui
