#pragma once
// Windows whose messages go to the C++ object that made them: the object is passed
// as the creation parameter, kept in the window's user data, told its handle as
// the window is created, and given every message from then on.
#include <windows.h>

#include "ui/window_description.h"

namespace keldra::ui::win32 {

// A dialog's window styles for its frame: a caption, and a close box only where
// it has one.
inline DWORD Dialog_Style(Frame_Kind kind) {
  return WS_POPUP | WS_CAPTION |
         (kind == Frame_Kind::Dialog_With_Close_Box ? WS_SYSMENU : DWORD{DS_MODALFRAME});
}
inline constexpr DWORD Dialog_Ex_Style = WS_EX_DLGMODALFRAME;

// T has Created(HWND) and LRESULT Handle(UINT, WPARAM, LPARAM).
template <typename T>
LRESULT CALLBACK Object_Window_Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    created->Created(hwnd);
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return self ? self->Handle(msg, wparam, lparam) : DefWindowProcA(hwnd, msg, wparam, lparam);
}

// Registers the class for T's windows (once per run), on the button face.
template <typename T>
void Register_Object_Class(const char* name, UINT style = 0, HICON icon = nullptr) {
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = Object_Window_Proc<T>;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = icon;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace keldra::ui::win32
