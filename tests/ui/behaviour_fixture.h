#pragma once
// The window's behaviour over views in memory: drives and message boxes faked,
// settings in a temporary folder, as the three windows are wired at start-up.
#include <memory>

#include "monitor/disk_queries.h"
#include "platform/error_mode.h"
#include "tests/fakes/fake_disk_space.h"
#include "tests/fakes/fake_services.h"
#include "tests/fakes/fake_views.h"
#include "tests/fakes/scripted_message_boxes.h"
#include "tests/fakes/temp_folder.h"
#include "ui/about_box_behaviour.h"
#include "ui/main_form_behaviour.h"
#include "ui/options_setup_behaviour.h"

namespace keldra::test {

struct Behaviour_Fixture {
  Behaviour_Fixture() {
    disk.Set('C', 570ull << 20, 1000ull << 20);  // 43 % used
    disk.Set('D', 1ull << 30, 100ull << 30);     // 99 % used
    disk.Set('E', 10ull << 30, 100ull << 30);    // 90 % used
  }
  void Write_Settings(const std::string& text) { Write_File(folder / "keldra.ini", text); }
  void Show(const std::string& settings) {
    Write_Settings(settings);
    main.FormShow();
  }
  std::size_t Passes() const { return view.passes_shown; }
  std::string Saved() const { return Read_File(folder / "keldra.ini"); }

  Temp_Folder folder;
  Fake_Disk_Space disk;
  platform::Remembered_Error_Mode error_mode;
  monitor::Disk_Queries queries{disk, error_mode, "."};
  Scripted_Message_Boxes boxes;
  Fake_Drive_Table table;
  Memory_Registry registry;
  Recording_Launcher launcher;
  int year = 2026;
  std::string memory = "57%";
  ui::Application_Title title;

  Fake_Main_View view;
  Fake_About_View about_view;
  Fake_Options_View options_view;
  ui::Keldra_Services services{queries,
                               table,
                               boxes,
                               registry,
                               launcher,
                               folder / "keldra",
                               ".",
                               [this] { return year; },
                               [this] { return memory; }};
  ui::About_Box_Behaviour about{about_view,
                                ui::About_Box_Services(services, ui::Face_Toolkit::Win32)};
  ui::Options_Setup_Behaviour options{options_view, boxes, table};
  ui::Main_Form_Behaviour main{view, services, options, about, title};
};

}  // namespace keldra::test
