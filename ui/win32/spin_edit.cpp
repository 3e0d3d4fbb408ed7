#include "ui/win32/spin_edit.h"

#include <commctrl.h>

#include "ui/interval_field.h"

namespace keldra::ui::win32 {
namespace {

constexpr UINT_PTR kRepeatTimer = 1;
// The window property that leads a control's messages back to its Spin_Edit. The
// controls are subclassed through their own procedure slot, so that no library
// beyond the window system's own is needed before the dialog first opens.
constexpr const char* kOwner = "Keldra_Spin_Edit";

Spin_Edit* Owner_Of(HWND hwnd) { return static_cast<Spin_Edit*>(GetPropA(hwnd, kOwner)); }

WNDPROC Subclass(HWND control, Spin_Edit* owner, WNDPROC proc) {
  SetPropA(control, kOwner, owner);
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

}  // namespace

Spin_Edit::Spin_Edit(HWND parent, int id, RECT b, std::string decimal_separator, int dpi)
    : separator_(std::move(decimal_separator)) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  edit_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  updown_ = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                            nullptr, instance, nullptr);
  Place(b, dpi);
  edit_own_ = Subclass(edit_, this, Edit_Proc);
  updown_own_ = Subclass(updown_, this, Buttons_Proc);
  Set_Value(interval_field::Design_Value);
}

void Spin_Edit::Place(RECT b, int dpi) {
  const int buttons = MulDiv(interval_field::Button_Width, dpi, 96);
  const int w = b.right - b.left;
  const int h = b.bottom - b.top;
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(edit_, nullptr, b.left, b.top, w - buttons, h, flags);
  SetWindowPos(updown_, nullptr, b.left + w - buttons, b.top, buttons, h, flags);
}

std::string Spin_Edit::Text() const {
  char text[64];
  GetWindowTextA(edit_, text, sizeof text);
  return text;
}

int Spin_Edit::Value() const {
  return interval_field::Bounded(interval_field::Written_Value(Text()));
}

void Spin_Edit::Set_Value(int value) {
  SetWindowTextA(edit_, std::to_string(interval_field::Bounded(value)).c_str());
}

void Spin_Edit::Step(int direction) {
  Set_Value(interval_field::Stepped(Text(), direction));
  SendMessageA(edit_, EM_SETSEL, 0, -1);
}

bool Spin_Edit::Key_Pressed(interval_field::Key key, const std::string& typed) {
  switch (interval_field::Effect_Of(key, typed, separator_)) {
    case interval_field::Key_Effect::Step_Up: Step(+1); return true;
    case interval_field::Key_Effect::Step_Down: Step(-1); return true;
    case interval_field::Key_Effect::Refuse: MessageBeep(MB_OK); return true;
    case interval_field::Key_Effect::Edit: break;
  }
  return false;
}

LRESULT CALLBACK Spin_Edit::Edit_Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  Spin_Edit* self = Owner_Of(hwnd);
  switch (msg) {
    case WM_NCDESTROY: RemovePropA(hwnd, kOwner); break;
    case WM_GETDLGCODE:
      // The arrows step the value rather than move the focus.
      return CallWindowProcA(self->edit_own_, hwnd, msg, wparam, lparam) | DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if ((wparam == VK_UP || wparam == VK_DOWN) &&
          self->Key_Pressed(wparam == VK_UP ? interval_field::Key::Up : interval_field::Key::Down,
                            "")) {
        return 0;
      }
      break;
    case WM_CHAR: {
      const auto c = static_cast<char>(wparam);
      using interval_field::Key;
      const Key key = c == '\r' || c == '\n'                 ? Key::Enter
                      : static_cast<unsigned char>(c) < 0x20 ? Key::Other
                                                             : Key::Printable;
      if (self->Key_Pressed(key, std::string(1, c))) return 0;
      break;
    }
    case WM_KILLFOCUS:
      if (const auto bounded = interval_field::Value_On_Leaving(self->Text())) {
        self->Set_Value(*bounded);
      }
      break;
    default: break;
  }
  return CallWindowProcA(self->edit_own_, hwnd, msg, wparam, lparam);
}

// The buttons step the field themselves: a press steps once, and holding repeats
// after 400 ms and then every 100 ms.
LRESULT CALLBACK Spin_Edit::Buttons_Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  Spin_Edit* self = Owner_Of(hwnd);
  switch (msg) {
    case WM_NCDESTROY: RemovePropA(hwnd, kOwner); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      RECT r;
      GetClientRect(hwnd, &r);
      self->held_direction_ = static_cast<short>(HIWORD(lparam)) < r.bottom / 2 ? +1 : -1;
      self->Step(self->held_direction_);
      SetCapture(hwnd);
      SetTimer(hwnd, kRepeatTimer, interval_field::Repeat_Delay_Ms, nullptr);
      return 0;
    }
    case WM_TIMER:
      if (wparam != kRepeatTimer) break;
      if (self->held_direction_ != 0) self->Step(self->held_direction_);
      SetTimer(hwnd, kRepeatTimer, interval_field::Repeat_Interval_Ms, nullptr);
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      self->held_direction_ = 0;
      KillTimer(hwnd, kRepeatTimer);
      if (msg == WM_LBUTTONUP) ReleaseCapture();
      return 0;
    default: break;
  }
  return CallWindowProcA(self->updown_own_, hwnd, msg, wparam, lparam);
}

}  // namespace keldra::ui::win32
