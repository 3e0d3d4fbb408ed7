// The Windows window's floor: the least a Win32 program does to show an empty
// window with a menu bar, built the same way as keldra.exe.
//   win32_floor.exe                      shows the window, leaves once it has been painted
//   win32_floor.exe <seconds>            keeps it on screen that long (for memory figures)
//   win32_floor.exe <seconds> <controls> with that many hidden static controls in it, as
//                                        a measure of what making controls costs
#include <windows.h>

#include <cstdlib>

namespace {

bool g_leave_when_painted = true;

LRESULT CALLBACK Floor_Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      if (g_leave_when_painted) PostQuitMessage(0);
      return 0;
    }
    case WM_TIMER: PostQuitMessage(0); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int show) {
  char* rest = nullptr;
  const int seconds = static_cast<int>(std::strtol(command_line, &rest, 10));
  const int controls = static_cast<int>(std::strtol(rest, nullptr, 10));
  g_leave_when_painted = seconds == 0;
  WNDCLASSA wc{};
  wc.lpfnWndProc = Floor_Proc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "Floor";
  RegisterClassA(&wc);
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, 1, "E&xit");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  HWND hwnd = CreateWindowExA(0, "Floor", "Floor", WS_OVERLAPPEDWINDOW, 50, 50, 197, 598, nullptr,
                              bar, instance, nullptr);
  for (int i = 0; i < controls; ++i) {
    CreateWindowExA(0, "STATIC", "?", WS_CHILD | SS_NOTIFY, 4, 8 + (i % 27) * 20, 7, 17, hwnd,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + i)), instance, nullptr);
  }
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  if (seconds > 0) SetTimer(hwnd, 1, static_cast<UINT>(seconds) * 1000, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
