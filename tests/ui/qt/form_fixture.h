#pragma once
// A main window and options dialog wired to fakes: drives in memory, scripted
// message boxes, a recording window manager, settings in a temporary folder.
#include <sys/stat.h>

#include <QApplication>
#include <memory>
#include <vector>

#include "monitor/disk_queries.h"
#include "platform/error_mode.h"
#include "platform/linux/linux_registry.h"
#include "tests/fakes/fake_disk_space.h"
#include "tests/fakes/fake_services.h"
#include "tests/fakes/scripted_message_boxes.h"
#include "tests/fakes/temp_folder.h"
#include "ui/about_box_description.h"
#include "ui/options_setup_description.h"
#include "ui/qt/animated_picture.h"
#include "ui/qt/drive_chooser.h"
#include "ui/qt/keldra_windows.h"
#include "ui/qt/spin_edit.h"
#include "ui/qt/window_stacking.h"

namespace keldra::test {

// The dialogs' controls are found by their described names.
namespace about_names = ui::about_box_names;
namespace options_names = ui::options_setup_names;
using ui::Animated_Picture;
using ui::Drive_Chooser;
using ui::Spin_Edit;

class Recording_Stacking final : public ui::Window_Stacking {
 public:
  void Set_Keep_Above(QWidget&, bool above) override { keep_above.push_back(above); }
  void Show_Window(QWidget& w, int command) override {
    show_commands.push_back(command);
    w.show();
  }
  std::vector<bool> keep_above;
  std::vector<int> show_commands;
};

inline std::string Make_Folder(const std::string& path) {
  mkdir(path.c_str(), 0755);
  return path;
}

struct Form_Fixture {
  // The program builds its dialogs when first shown; most tests want them at hand.
  explicit Form_Fixture(bool build_dialogs = true) {
    disk.Set('C', 570ull << 20, 1000ull << 20);  // 43 % used
    disk.Set('D', 1ull << 30, 100ull << 30);     // 99 % used
    disk.Set('E', 10ull << 30, 100ull << 30);    // 90 % used
    windows = std::make_unique<ui::Keldra_Windows>(
        ui::Keldra_Services{queries, table, boxes, registry, launcher, folder / "keldra", ".",
                            [this] { return year; }, [this] { return memory; }},
        stacking);
    form = windows->MainForm1.get();
    if (!build_dialogs) return;
    about = &windows->About_Box_Window();
    options = &windows->Options_Setup_Window();
  }
  void Write_Settings(const std::string& text) { Write_File(folder / "keldra.ini", text); }
  std::size_t Passes() const { return disk.queried.size(); }  // grows with every pass

  Temp_Folder folder;
  Fake_Disk_Space disk;
  platform::Remembered_Error_Mode error_mode;
  monitor::Disk_Queries queries{disk, error_mode, "."};
  Scripted_Message_Boxes boxes;
  Recording_Stacking stacking;
  Fake_Drive_Table table;
  std::string autostart = Make_Folder(folder / "autostart");
  platform::linux_impl::Linux_Registry registry{autostart};
  Recording_Launcher launcher;
  int year = 2026;
  std::string memory = "57%";
  std::unique_ptr<ui::Keldra_Windows> windows;
  ui::TMainForm1* form = nullptr;
  ui::TAboutBox* about = nullptr;
  ui::TOptions_Setup* options = nullptr;
  ui::Main_Form_Behaviour& behaviour() { return *windows->Main_Form; }
};

}  // namespace keldra::test
