#pragma once
// The program's three windows, created in their order (the main window, the
// About box, the options dialog) and wired to each other and to the platform.
#include <functional>
#include <memory>
#include <string>

#include "monitor/disk_queries.h"
#include "platform/drive_table.h"
#include "platform/launcher.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "ui/keldra_services.h"
#include "ui/main_form_behaviour.h"
#include "ui/qt/about_box.h"
#include "ui/qt/main_form.h"
#include "ui/qt/options_setup.h"
#include "ui/qt/window_stacking.h"

namespace keldra::ui {

class Keldra_Windows {
 public:
  Keldra_Windows(const Keldra_Services& services, Window_Stacking& stacking);
  ~Keldra_Windows();

  ui::Application_Title title;
  std::unique_ptr<TMainForm1> MainForm1;
  std::unique_ptr<TAboutBox> AboutBox;
  std::unique_ptr<TOptions_Setup> Options_Setup;
  // What the main window does; its dialogs' behaviours are theirs.
  std::unique_ptr<Main_Form_Behaviour> Main_Form;
};

// The system date's year, and the free-memory figure from the system.
int System_Year();
std::string System_Memory_Free_Percent();

}  // namespace keldra::ui
