#pragma once
// The program's three windows on Windows and their behaviours. The main window is
// built at once; the About box and the options dialog the first time each is
// shown, their behaviours holding what they show until then.
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
#include "ui/win32/about_box.h"
#include "ui/win32/main_form.h"
#include "ui/win32/options_setup.h"
#include "ui/win32/win32_fonts.h"

namespace keldra::ui::win32 {

class Keldra_Windows {
 public:
  explicit Keldra_Windows(const Keldra_Services& services);
  ~Keldra_Windows();

  // The dialogs, built now if they were not yet.
  TAboutBox& About_Box_Window();
  TOptions_Setup& Options_Setup_Window();

  Fonts fonts;
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

// Runs the messages of the program's windows until the main window has closed;
// the dialogs' keys are theirs while they are open.
int Run_Message_Loop();

// The system date's year.
int System_Year();

}  // namespace keldra::ui::win32
