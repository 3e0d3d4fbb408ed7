#pragma once
// The program's three windows and their behaviours, wired to each other and to the
// platform. The main window is built at once; the About box and the options dialog
// the first time each is shown, their behaviours holding what they show until then.
#include <functional>
#include <memory>
#include <string>

#include "monitor/disk_queries.h"
#include "platform/drive_table.h"
#include "platform/launcher.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "ui/about_box_behaviour.h"
#include "ui/deferred_views.h"
#include "ui/keldra_services.h"
#include "ui/main_form_behaviour.h"
#include "ui/options_setup_behaviour.h"
#include "ui/qt/about_box.h"
#include "ui/qt/main_form.h"
#include "ui/qt/options_setup.h"
#include "ui/qt/window_stacking.h"

namespace keldra::ui {

class Keldra_Windows {
 public:
  Keldra_Windows(const Keldra_Services& services, Window_Stacking& stacking);
  ~Keldra_Windows();

  // The dialogs, built now if they were not yet.
  TAboutBox& About_Box_Window();
  TOptions_Setup& Options_Setup_Window();

  ui::Application_Title title;
  std::unique_ptr<TMainForm1> MainForm1;
  // Built the first time each is shown (or asked for above); empty until then.
  std::unique_ptr<TAboutBox> AboutBox;
  std::unique_ptr<TOptions_Setup> Options_Setup;

 private:
  std::string decimal_separator_;
  Deferred_About_Box_View about_view_;
  Deferred_Options_Setup_View options_view_;

 public:
  // What each window does; the main window's behaviour reaches the dialogs' own.
  About_Box_Behaviour About_Box;
  Options_Setup_Behaviour Options;
  std::unique_ptr<Main_Form_Behaviour> Main_Form;
};

// The system date's year, and the free-memory figure from the system.
int System_Year();
std::string System_Memory_Free_Percent();

}  // namespace keldra::ui
