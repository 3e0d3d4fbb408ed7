#include "tests/ui/win32/window_fixture.h"

#include <commctrl.h>

#include <deque>

#include "ui/win32/animated_picture.h"
#include "ui/win32/controls.h"

namespace keldra::test {
namespace {

std::deque<std::function<void()>>& Steps() {
  static std::deque<std::function<void()>> steps;
  return steps;
}

void CALLBACK Step_Timer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (Steps().empty()) return;
  std::function<void()> step = std::move(Steps().front());
  Steps().pop_front();
  step();
}

}  // namespace

void Run_From_Message_Loop(std::function<void()> step) {
  Steps().push_back(std::move(step));
  SetTimer(nullptr, 0, 0, Step_Timer);
}

std::string Window_Text(HWND w) {
  char text[512];
  GetWindowTextA(w, text, sizeof text);
  return text;
}

RECT Client_Rect(HWND w) {
  RECT r;
  GetClientRect(w, &r);
  return r;
}

RECT Frame_Rect(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r;
}

bool Visible(HWND w) { return (GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) != 0; }

Window_Fixture::Window_Fixture() {
  ui::win32::Use_Common_Controls();
  static ui::win32::Gdiplus_Session gdiplus;
  disk.Set('C', 570ull << 20, 1000ull << 20);  // 43 % used
  disk.Set('D', 1ull << 30, 100ull << 30);     // 99 % used
  windows = std::make_unique<ui::win32::Keldra_Windows>(
      ui::Keldra_Services{queries, table, boxes, registry, launcher, folder / "keldra.exe", ".",
                          [] { return 2026; }, [] { return std::string("57%"); }});
}

Window_Fixture::~Window_Fixture() {
  windows.reset();
  // What the closed windows left in the thread's queue, the quit message of a
  // destroyed main window among them, must not reach the next test's loops.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {}
  Steps().clear();
}

}  // namespace keldra::test
