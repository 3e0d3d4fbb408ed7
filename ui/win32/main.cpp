// keldra.exe: the window on Windows. Creates the platform services, then the three
// windows in their order, shows the main window (which runs its show sequence)
// and runs until it closes.
#include <windows.h>

#include <optional>

#include "ui/about_texts.h"
#include "ui/program_start.h"
#include "ui/start_steps.h"
#include "ui/win32/keldra_windows.h"
#include "ui/win32/win32_message_boxes.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace keldra;
  std::optional<ui::Program_Start> start;
  try {
    start.emplace();
  } catch (const std::exception& e) {
    MessageBoxA(nullptr, e.what(), ui::Program_Name, MB_ICONERROR | MB_OK);
    return 1;
  }
  start->Start_Early_Work();  // read while the windows are made
  start->Make_Services();
  ui::win32::Win32_Message_Boxes boxes;
  ui::win32::Keldra_Windows windows(start->Services(boxes, ui::win32::System_Year));
  ui::Start_Step(ui::start_step::Windows_Built);
  windows.MainForm1->Show();
  ui::Start_Step(ui::start_step::Shown);
  // For the start-up benchmark: leave once the first pass is on screen (painted by
  // Show), as the floor program does after its first paint, without saving.
  if (ui::Exit_When_Shown()) PostQuitMessage(0);
  ui::win32::Run_Message_Loop();
  // The settings were saved as the main window closed. The other windows, fonts
  // and pictures go with the process, as the system takes them back at once;
  // destroying them one by one first only keeps the user waiting.
  ExitProcess(0);
}
