#include "ui/win32/about_box.h"

#include <commctrl.h>

#include <string>

#include "ui/about_box_description.h"
#include "ui/win32/controls.h"
#include "ui/win32/modal_window.h"
#include "ui/win32/window_class.h"

namespace keldra::ui::win32 {
namespace {

const Window_Description& Described() { return About_Box_Description(); }

// The box's controls are numbered from here, in the order they are made; the
// default button is IDOK.
constexpr int First_Control_Id = 301;

HBITMAP Bitmap(const char* name) {
  return static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, 0));
}

// A window's rectangle in another's client coordinates.
RECT Frame_Rect_In(HWND w, HWND other) {
  RECT r;
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, other, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The texts are UTF-8; the controls take them as wide text.
void Set_Text(HWND w, const std::string& utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), n);
  SetWindowTextW(w, wide.c_str());
}

std::string Text_Of(HWND w) {
  char text[512];
  GetWindowTextA(w, text, sizeof text);
  return text;
}

}  // namespace

TAboutBox::TAboutBox(HWND owner, Fonts& fonts, ui::About_Box_Behaviour& behaviour)
    : window_(Described(), fonts, First_Control_Id), owner_(owner), behaviour_(behaviour) {
  window_.Create(this);
  window_.Build([](const Control_Description&) { return true; },
                [this](const Control_Description& c, int id, RECT r) -> HWND {
                  if (c.kind == Control_Kind::Animated_Picture) {
                    Vantrel_Logo_GIFImage = std::make_unique<Animated_Picture>(hwnd_, id, r);
                    return Vantrel_Logo_GIFImage->Handle();
                  }
                  if (!c.is_default) return nullptr;
                  // Enter's button, drawn with its glyph.
                  return Make_Control(hwnd_, "BUTTON", c.text.c_str(),
                                      WS_VISIBLE | BS_OWNERDRAW | WS_TABSTOP, id, r.left, r.top,
                                      r.right - r.left, r.bottom - r.top);
                });
  HWND quotes = Control(about_box_names::Quotes_From_Vantrel_ListBox);
  for (const std::string& q : ui::About_Quotes())
    SendMessageA(quotes, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(q.c_str()));
}

TAboutBox::~TAboutBox() {
  Vantrel_Logo_GIFImage.reset();
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  for (auto& [name, picture] : pictures_) {
    if (picture) DeleteObject(picture);
  }
  for (HBITMAP b : {glyph_, glyph_off_}) {
    if (b) DeleteObject(b);
  }
}

// --- the box as the behaviour sees it ---

void TAboutBox::Set_Field(ui::About_Field field, const std::string& text) {
  const std::string name = About_Field_Control(field);
  if (name.empty()) return Set_Text(hwnd_, text);
  Set_Control_Text(name, text);
}

void TAboutBox::Set_Control_Text(const std::string& name, const std::string& text) {
  HWND target = Control(name);
  Set_Text(target, text);
  if (Described().Control(name).auto_size) Fit_To_Text(target);
}

void TAboutBox::Show_Control(const std::string& name, bool shown) {
  ShowWindow(Control(name), shown ? SW_SHOW : SW_HIDE);
}

void TAboutBox::Move_Control(const std::string& name, int left, int top) {
  window_.Move(name, left, top);
}

void TAboutBox::Set_Control_Hint(const std::string& name, const std::string& hint) {
  window_.Hint(name, hint);
}

void TAboutBox::Set_Running(bool running) {
  window_.Run_Timers(running);
  Vantrel_Logo_GIFImage->Set_Animate(running);
}

// The artwork is loaded when the box is first shown: nothing of it is seen before,
// and decoding it would only slow the main window's first appearance.
void TAboutBox::Load_Artwork() {
  if (!pictures_.empty()) return;
  for (const Control_Description& c : Described().controls) {
    if (c.kind == Control_Kind::Picture) pictures_[Control(c.name)] = Bitmap(c.text.c_str());
    if (c.kind == Control_Kind::Animated_Picture) Vantrel_Logo_GIFImage->Load(c.text.c_str());
  }
  glyph_ = Bitmap("OK_GLYPH");
  glyph_off_ = Bitmap("OK_GLYPH_OFF");
}

void TAboutBox::Show_Modal() {
  Load_Artwork();
  Place_As_Described(hwnd_, Described(), !shown_before_);
  shown_before_ = true;
  open_ = true;
  Run_Modal(hwnd_, owner_, open_);
}

// --- messages ---

void TAboutBox::Draw_Item(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  if (item.CtlID == IDOK) {
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    RECT face = r;
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    // The glyph 15 pixels from the left edge, its bottom-left pixel transparent.
    const int glyph_left = window_.Scaled(15),
              glyph_top = (r.bottom - r.top - window_.Scaled(19)) / 2;
    if (HBITMAP glyph = enabled ? glyph_ : glyph_off_) {
      Draw_Transparent(dc, glyph, r.left + glyph_left, r.top + glyph_top, 18, 19,
                       window_.Scaled(Design_Dpi));
    }
    RECT text = r;
    text.left += glyph_left + window_.Scaled(18);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const std::string caption = Text_Of(item.hwndItem);
    DrawTextA(dc, caption.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
      RECT focus = r;
      InflateRect(&focus, -window_.Scaled(4), -window_.Scaled(4));
      DrawFocusRect(dc, &focus);
    }
    return;
  }
  // The pictures, stretched to their controls.
  const auto found = pictures_.find(item.hwndItem);
  if (found == pictures_.end() || !found->second) return;
  HBITMAP picture = found->second;
  BITMAP info;
  GetObjectA(picture, sizeof info, &info);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, picture);
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, mem, 0, 0, info.bmWidth,
             info.bmHeight, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  if (item.hwndItem == Control(about_box_names::Badge_Logo)) {
    // The slogan over the badge, drawn with it: centred, word-wrapped, in its colour.
    const Control_Description& d = Described().Control(about_box_names::Badge_Label);
    HWND label = Control(about_box_names::Badge_Label);
    RECT text = Frame_Rect_In(label, item.hwndItem);
    const std::string slogan = Text_Of(label);
    HGDIOBJ old_font = SelectObject(dc, window_.Font(d.font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Colour_Of(d.text_colour, COLOR_WINDOWTEXT));
    RECT measured = text;
    const int height =
        DrawTextA(dc, slogan.c_str(), -1, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    text.top += (text.bottom - text.top - height) / 2;
    DrawTextA(dc, slogan.c_str(), -1, &text, DT_CENTER | DT_WORDBREAK);
    SelectObject(dc, old_font);
  }
}

LRESULT TAboutBox::Handle(UINT msg, WPARAM wparam, LPARAM lparam) {
  ui::About_Box_Behaviour& b = behaviour_;
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE && open_) b.FormActivate();
      break;
    case WM_CLOSE:  // Alt+F4: it stops as OK does
      b.Closed();
      open_ = false;
      return 0;
    case WM_DRAWITEM: Draw_Item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)); return TRUE;
    default: {
      const auto routed =
          window_.Route(msg, wparam, lparam, [&b](int command) { b.Run_Command(command); });
      if (routed) return *routed;
      break;
    }
  }
  return DefWindowProcA(hwnd_, msg, wparam, lparam);
}

}  // namespace keldra::ui::win32
