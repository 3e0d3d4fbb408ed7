#pragma once
// The Windows window made in-process with its real controls, over drives, message
// boxes, registry and launcher in memory, with settings in a temporary folder.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "monitor/disk_queries.h"
#include "platform/error_mode.h"
#include "tests/fakes/fake_disk_space.h"
#include "tests/fakes/fake_services.h"
#include "tests/fakes/scripted_message_boxes.h"
#include "tests/fakes/temp_folder.h"
#include "ui/win32/keldra_windows.h"

namespace keldra::test {

// Runs `step` from the message loop that is running at the time: inside a modal
// dialog's loop, a test acts on the open dialog as a user would.
void Run_From_Message_Loop(std::function<void()> step);

std::string Window_Text(HWND w);
RECT Client_Rect(HWND w);
RECT Frame_Rect(HWND w);
bool Visible(HWND w);

struct Window_Fixture {
  Window_Fixture();
  ~Window_Fixture();
  void Write_Settings(const std::string& text) { Write_File(folder / "keldra.ini", text); }
  HWND Main() const { return windows->MainForm1->Handle(); }
  void Command(HWND target, int id, int code = 0) {
    SendMessageA(target, WM_COMMAND, MAKEWPARAM(id, code), 0);
  }
  std::size_t Queries() const { return disk.queried.size(); }

  Temp_Folder folder;
  Fake_Disk_Space disk;
  platform::Remembered_Error_Mode error_mode;
  monitor::Disk_Queries queries{disk, error_mode, "."};
  Scripted_Message_Boxes boxes;
  Fake_Drive_Table table;
  Memory_Registry registry;
  Recording_Launcher launcher;
  std::unique_ptr<ui::win32::Keldra_Windows> windows;
};

}  // namespace keldra::test
