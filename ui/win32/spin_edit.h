#pragma once
// SpinEdit1 on Windows: an edit field with an up-down control beside it, stepping
// by 5 within 1..200 as the interval field's rules say, with the held button's
// repeat, the key filter and the bounding when the focus leaves.
#include <windows.h>

#include <string>

#include "ui/interval_field.h"

namespace keldra::ui::win32 {

class Spin_Edit {
 public:
  Spin_Edit(HWND parent, int id, RECT bounds, std::string decimal_separator, int dpi);
  // The field and its buttons in `bounds`, the buttons as wide as the dots per inch
  // make them.
  void Place(RECT bounds, int dpi);
  int Value() const;  // bounded, 1 when the text is not a whole number
  void Set_Value(int value);
  void Step(int direction);
  HWND Editor() const { return edit_; }
  HWND Buttons() const { return updown_; }
  std::string Text() const;

 private:
  // A key as the field's rules take it: true when it was handled (stepped or refused).
  bool Key_Pressed(interval_field::Key key, const std::string& typed);
  // Each control's messages come here first, then go on to its own procedure.
  static LRESULT CALLBACK Edit_Proc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK Buttons_Proc(HWND, UINT, WPARAM, LPARAM);
  HWND edit_ = nullptr;
  HWND updown_ = nullptr;
  WNDPROC edit_own_ = nullptr;
  WNDPROC updown_own_ = nullptr;
  std::string separator_;
  int held_direction_ = 0;
};

}  // namespace keldra::ui::win32
