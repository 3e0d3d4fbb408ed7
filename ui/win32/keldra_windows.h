#pragma once
// The program's three windows on Windows, created in their order (the main
// window, the About box, the options dialog) and wired to their behaviours.
#include <memory>
#include <string>

#include "monitor/disk_queries.h"
#include "platform/drive_table.h"
#include "platform/launcher.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "ui/about_box_behaviour.h"
#include "ui/keldra_services.h"
#include "ui/main_form_behaviour.h"
#include "ui/win32/about_box.h"
#include "ui/win32/main_form.h"
#include "ui/win32/options_setup.h"
#include "ui/win32/win32_fonts.h"

namespace keldra::ui::win32 {

class Keldra_Windows {
 public:
  explicit Keldra_Windows(const Keldra_Services& services);
  ~Keldra_Windows();

  Fonts fonts;
  ui::Application_Title title;
  std::unique_ptr<TMainForm1> MainForm1;
  std::unique_ptr<TAboutBox> AboutBox;
  std::unique_ptr<TOptions_Setup> Options_Setup;
  std::unique_ptr<Main_Form_Behaviour> Main_Form;
};

// Runs the messages of the program's windows until the main window has closed;
// the dialogs' keys are theirs while they are open.
int Run_Message_Loop();

// The system date's year.
int System_Year();

}  // namespace keldra::ui::win32
