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
#include "ui/main_form_behaviour.h"
#include "ui/qt/about_box.h"
#include "ui/qt/main_form.h"
#include "ui/qt/options_setup.h"
#include "ui/qt/window_stacking.h"

namespace keldra::ui {

struct Keldra_Services {
  monitor::Disk_Queries& queries;
  const platform::Drive_Table& drives;
  platform::Message_Boxes& boxes;
  platform::Registry& registry;
  platform::Launcher& launcher;
  Window_Stacking& stacking;
  std::string executable_path;
  std::string decimal_separator;
  std::function<int()> current_year;
  std::function<std::string()> memory_free_percent;
};

class Keldra_Windows {
 public:
  explicit Keldra_Windows(const Keldra_Services& services);
  ~Keldra_Windows();

  extras::Application_Title title;
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
