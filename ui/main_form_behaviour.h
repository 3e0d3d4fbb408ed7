#pragma once
// The main window's behaviour: the show sequence, the close query, the refresh
// pass and Timer1's rules, the "&Settings" sequence, Restore Factory Defaults,
// dropped files, Always On Top, auto-run and the Help commands. It holds the
// run-time settings the window's controls stand for and reaches the window, the
// options dialog and the About box through their behaviours and views.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "monitor/disk_queries.h"
#include "platform/drive_table.h"
#include "platform/launcher.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "settings/late_settings.h"
#include "settings/memory_settings_holder.h"
#include "settings/settings_holder.h"
#include "ui/about_box_behaviour.h"
#include "ui/held_row_visibility.h"
#include "ui/keldra_services.h"
#include "ui/main_form_description.h"
#include "ui/main_form_view.h"
#include "ui/options_setup_behaviour.h"

namespace keldra::ui {

// What a close asks when keldra.ini never answered and the session's changes could
// not be saved either.
std::string Late_Settings_Close_Question(const std::string& ini_path);

class Main_Form_Behaviour : public monitor::Refresh_Inputs, public settings::Settings_Holder {
 public:
  using Services = Keldra_Services;
  Main_Form_Behaviour(Main_Form_View& view, Services services, Options_Setup_Behaviour& options,
                      ui::About_Box_Behaviour& about, ui::Application_Title& title);

  // What a menu item, a click, a double-click or a tick names in the window's
  // description (Main_Form_Command); any error it raises is shown once.
  void Run_Command(int command);

  void Refresh_All_Drives();
  void Timer1Timer();
  void Toggle_Always_on_Top();
  void Apply_Startup_Show_State();
  void FormShow();        // the show sequence
  bool FormCloseQuery();  // saves; false refuses the close
  // The session ends with no window left to ask (the display gone): saves as a close
  // would, and answers what went wrong, empty when nothing did, for the face to say
  // where it still can.
  std::string Save_Without_Window();
  void SettingsOptionClick();
  void Restore_Factory_Defaults_OptionClick();
  void Auto_Run_at_Windows_Startup_OptionClick();
  void View_Readme_file_OptionClick();
  void View_Shareware_Catalog_OptionClick();
  void About1Click() { about_.About1Click(); }
  // The drop handler: each path's drive added once, in sorted order, then one pass.
  void Files_Dropped(const std::vector<std::string>& paths);

  // Shows an error that escaped a handler, once: a report identical to one still on
  // screen (a timer tick failing again behind its box) is not stacked on it.
  void Report_Error(const std::string& message);
  template <typename F>
  void Guarded(F&& routine) {
    try {
      routine();
    } catch (const std::exception& e) {
      Report_Error(e.what());
    }
  }

  std::string Settings_Path() const;
  const std::string& Spinner_Text() const { return spinner_; }

  // monitor::Refresh_Inputs and settings::Settings_Holder
  std::string Monitored_Drive_Letters() const override { return letters_; }
  void Set_Monitored_Drive_Letters(const std::string& letters) override { letters_ = letters; }
  int Drive_Limit() const override { return options_.Drive_Limit(); }
  bool Show_Total() const override { return options_.Show_Total(); }
  void Set_Show_Total(bool on) override { options_.Set_Show_Total(on); }
  int Window_Top() const override { return view_.Frame_Top(); }
  void Set_Window_Top(int top) override;
  int Window_Left() const override { return view_.Frame_Left(); }
  void Set_Window_Left(int left) override;
  int Client_Width() const override { return view_.Client_Width(); }
  // A width from a hand-edited file is kept within what a window can be: no
  // narrower than the window system lets the window be, no wider than it can draw.
  void Set_Client_Width(int width) override;
  std::uint32_t Timer_Interval() const override { return interval_; }
  void Set_Timer_Interval(std::uint32_t interval) override;
  bool Always_On_Top_Mark() const override { return on_top_mark_; }
  void Set_Always_On_Top_Mark(bool on) override;
  bool Auto_Run_Mark() const override { return auto_run_mark_; }
  void Set_Auto_Run_Mark(bool on) override;

 private:
  Main_Form_View& view_;
  Held_Row_Visibility rows_{view_};  // what the refresh pass writes to
  Services services_;
  Options_Setup_Behaviour& options_;
  ui::About_Box_Behaviour& about_;
  ui::Application_Title& title_;
  std::string letters_;
  std::uint32_t interval_ = Timer1_Design_Interval;
  bool on_top_mark_ = false;
  bool auto_run_mark_ = false;
  std::string spinner_ = "=";
  std::string error_on_screen_;
  bool error_box_open_ = false;
  bool settings_read_ = true;  // the last load had its answer
  // A load that missed its wait, asked again at each pass and at the close, and what
  // the missed load put in place (so that what the user changed since is told apart).
  std::unique_ptr<settings::Late_Settings> late_settings_;
  settings::Memory_Settings_Holder applied_;
  bool Apply_Late_Settings(std::chrono::milliseconds wait);
  // The close's save: everything, or, for a file that never answered, what the
  // session changed; raises as a save does.
  void Save_Session();
};

// Timer1's period for an interval from the settings: none for 0, which stops it.
std::optional<int> Tick_Period(std::uint32_t interval);

}  // namespace keldra::ui
