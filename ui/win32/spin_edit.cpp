#include "ui/win32/spin_edit.h"

#include <commctrl.h>

#include "ui/interval_field.h"

namespace keldra::ui::win32 {
namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr int kButtonWidth = 16;

}  // namespace

Spin_Edit::Spin_Edit(HWND parent, int id, RECT b, std::string decimal_separator)
    : separator_(std::move(decimal_separator)) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  const int w = b.right - b.left;
  const int h = b.bottom - b.top;
  edit_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, b.left, b.top,
                          w - kButtonWidth, h, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  updown_ = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, b.left + w - kButtonWidth,
                            b.top, kButtonWidth, h, parent, nullptr, instance, nullptr);
  SetWindowSubclass(edit_, Edit_Proc, 0, reinterpret_cast<DWORD_PTR>(this));
  SetWindowSubclass(updown_, Buttons_Proc, 0, reinterpret_cast<DWORD_PTR>(this));
  Set_Value(interval_field::Design_Value);
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

LRESULT CALLBACK Spin_Edit::Edit_Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                      DWORD_PTR data) {
  auto* self = reinterpret_cast<Spin_Edit*>(data);
  switch (msg) {
    case WM_GETDLGCODE:
      // The arrows step the value rather than move the focus.
      return DefSubclassProc(hwnd, msg, wparam, lparam) | DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (wparam == VK_UP || wparam == VK_DOWN) {
        self->Step(wparam == VK_UP ? +1 : -1);
        return 0;
      }
      break;
    case WM_CHAR: {
      const auto c = static_cast<char>(wparam);
      if (c == '\r' || c == '\n') {
        MessageBeep(MB_OK);  // Enter is refused
        return 0;
      }
      if (static_cast<unsigned char>(c) < 0x20) break;  // editing keys are the field's own
      if (!interval_field::Typed_Char_Allowed(std::string(1, c), self->separator_)) {
        MessageBeep(MB_OK);
        return 0;
      }
      break;
    }
    case WM_KILLFOCUS: {
      const int written = interval_field::Written_Value(self->Text());
      if (written != interval_field::Bounded(written)) self->Set_Value(written);
      break;
    }
    default: break;
  }
  return DefSubclassProc(hwnd, msg, wparam, lparam);
}

// The buttons step the field themselves: a press steps once, and holding repeats
// after 400 ms and then every 100 ms.
LRESULT CALLBACK Spin_Edit::Buttons_Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam,
                                         UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<Spin_Edit*>(data);
  switch (msg) {
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
  return DefSubclassProc(hwnd, msg, wparam, lparam);
}

}  // namespace keldra::ui::win32
