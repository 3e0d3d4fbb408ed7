// keldra.exe: the window on Windows. Creates the platform services, then the three
// windows in their order, shows the main window (which runs its show sequence)
// and runs until it closes.
#include <windows.h>

#include <cstdio>
#include <string>

#include "extras/memory_percent.h"
#include "monitor/disk_queries.h"
#include "platform/memory_status.h"
#include "platform/module_path.h"
#include "platform/platform_services.h"
#include "platform/program_files.h"
#include "platform/regional.h"
#include "settings/load_save.h"
#include "ui/about_texts.h"
#include "ui/keldra_services.h"
#include "ui/start_steps.h"
#include "ui/win32/keldra_windows.h"
#include "ui/win32/win32_message_boxes.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace keldra;
  ui::Start_Step(ui::start_step::Main);
  std::string executable;
  try {
    executable = platform::Module_File_Name();
  } catch (const std::exception& e) {
    MessageBoxA(nullptr, e.what(), ui::Program_Name, MB_ICONERROR | MB_OK);
    return 1;
  }
  // Read while the windows are made.
  settings::Start_Early_Reads(executable, settings::Early_Reads::With_Auto_Run_Check);
  platform::Start_Spare_Helpers();

  const std::string separator = platform::Decimal_Separator_From_Environment();
  platform::Platform_Services os =
      platform::Make_Platform_Services(platform::Settings_Folder(executable));
  ui::Start_Step(ui::start_step::Services);
  monitor::Disk_Queries queries(*os.disk, *os.error_mode, separator);
  ui::win32::Win32_Message_Boxes boxes;
  ui::win32::Keldra_Windows windows(
      {queries, *os.drives, boxes, *os.registry, *os.launcher, executable, separator,
       ui::win32::System_Year,
       [] { return extras::Memory_Free_Percent(platform::Global_Memory_Status()); }});
  ui::Start_Step(ui::start_step::Windows_Built);
  windows.MainForm1->Show();
  ui::Start_Step(ui::start_step::Shown);
  // For the start-up benchmark: leave once the first pass is on screen (painted by
  // Show), as the floor program does after its first paint, without saving.
  if (GetEnvironmentVariableA(ui::Exit_When_Shown_Variable, nullptr, 0) > 0) PostQuitMessage(0);
  ui::win32::Run_Message_Loop();
  // The settings were saved as the main window closed. The other windows, fonts
  // and pictures go with the process, as the system takes them back at once;
  // destroying them one by one first only keeps the user waiting.
  ExitProcess(0);
}
