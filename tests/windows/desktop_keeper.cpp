// Keeps Wine's desktop up for a run of Windows test programs: Wine closes its
// desktop process a little after the last program with a window has gone, and
// starting it again makes the next program wait seconds for it. A hidden window
// that waits to be told to go is enough to keep it.
//   desktop_keeper.exe   runs until Wine's server ends it
#include <windows.h>

int main() {
  HWND keeper = CreateWindowExA(0, "STATIC", "Keldra test desktop keeper", WS_POPUP, 0, 0, 1, 1,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (keeper == nullptr) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
