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

RECT Placed_Rect(const Control_Description& c) { return Rect_Of(About_Box_Place(c)); }

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
    : fonts_(fonts), owner_(owner), behaviour_(behaviour) {
  const Window_Description& d = Described();
  Register_Object_Class<TAboutBox>(d.class_name.c_str());
  const SIZE outer =
      Outer_Size(d.client_width, d.client_height, Dialog_Style(d.frame_kind), Dialog_Ex_Style);
  hwnd_ = CreateWindowExA(Dialog_Ex_Style, d.class_name.c_str(), d.caption.c_str(),
                          Dialog_Style(d.frame_kind), CW_USEDEFAULT, CW_USEDEFAULT, outer.cx,
                          outer.cy, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  Create_Controls();
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

HFONT TAboutBox::Font(const Font_Description& f) {
  const Font_Description& face = f.face.empty() ? Described().font : f;
  return fonts_.Get(face.face, face.height, {face.bold, face.underline});
}

void TAboutBox::Create_Controls() {
  hints_ = Create_Hints();
  const auto& controls = Described().controls;
  // Listed from the bottom up, and a window's earlier children lie on top of later
  // ones: made from the last to the first. The frames and bevels are drawn on the
  // box itself, behind every control.
  int id = First_About_Control_Id;
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    const Control_Description& c = *it;
    const RECT r = Placed_Rect(c);
    const DWORD shown = c.visible ? WS_VISIBLE : 0;
    const auto make = [&](const char* cls, const char* text, DWORD style, int control_id) {
      return Make_Control(hwnd_, cls, text, shown | style, control_id, r.left, r.top,
                          r.right - r.left, r.bottom - r.top);
    };
    HWND w = nullptr;
    switch (c.kind) {
      case Control_Kind::Group:
      case Control_Kind::Raised_Frame:
        frames_.push_back(
            {r, c.kind == Control_Kind::Group ? UINT{EDGE_ETCHED} : UINT{BDR_RAISEDINNER}});
        if (c.hand_cursor) hand_rects_.push_back(r);
        continue;
      case Control_Kind::Animated_Picture:
        Vantrel_Logo_GIFImage = std::make_unique<Animated_Picture>(hwnd_, id, r);
        w = Vantrel_Logo_GIFImage->Handle();
        break;
      case Control_Kind::Picture: w = make("STATIC", "", SS_OWNERDRAW | SS_NOTIFY, id); break;
      case Control_Kind::Hidden_List:
        w = make("LISTBOX", "", LBS_HASSTRINGS, id);
        for (const std::string& q : ui::About_Quotes())
          SendMessageA(w, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(q.c_str()));
        break;
      case Control_Kind::Button:
        // The default button is Enter's: IDOK, drawn with its glyph.
        w = c.is_default ? make("BUTTON", c.text.c_str(), BS_OWNERDRAW | WS_TABSTOP, IDOK)
                         : make("BUTTON", c.text.c_str(), BS_PUSHBUTTON, id);
        break;
      default: {
        const DWORD align = c.align == Text_Align::Centre  ? SS_CENTER
                            : c.align == Text_Align::Right ? SS_RIGHT
                                                           : 0;
        const DWORD notify = c.click != No_Command ? SS_NOTIFY : 0;
        w = make("STATIC", c.text.c_str(), align | notify, id);
        if (c.text_colour.role != Colour_Role::Inherit) text_colours_[w] = c.text_colour;
        break;
      }
    }
    ++id;
    Set_Font(w, Font(c.font));
    if (c.auto_size) Fit_To_Text(w);
    if (c.show_hint) Add_Hint(hints_, hwnd_, w, c.hint);
    if (c.hand_cursor) hand_.insert(w);
    clicks_[GetDlgCtrlID(w)] = c.click;
    controls_[c.name] = w;
  }
  const auto control = [this](const char* name) { return controls_.at(name); };
  Vantrel_Logo_Banner_Image = control(about_box_names::Vantrel_Logo_Banner_Image);
  Quote_From_Vantrel_Label = control(about_box_names::Quote_From_Vantrel_Label);
  Product_Name_Label = control(about_box_names::Product_Name_Label);
  Author_and_Date_Label = control(about_box_names::Author_and_Date_Label);
  Developed_Using_Label = control(about_box_names::Developed_Using_Label);
  Copyright_Label = control(about_box_names::Copyright_Label);
  PayPal_Donations_Label = control(about_box_names::PayPal_Donations_Label);
  PayPal_Image = control(about_box_names::PayPal_Image);
  Comments_Label = control(about_box_names::Comments_Label);
  WEB_Page_Label = control(about_box_names::WEB_Page_Label);
  Email_Address_Label = control(about_box_names::Email_Address_Label);
  WEB_Address_Label = control(about_box_names::WEB_Address_Label);
  Email_Button = control(about_box_names::Email_Button);
  WEB_Button = control(about_box_names::WEB_Button);
  PayPal_WEB_Address_Label = control(about_box_names::PayPal_WEB_Address_Label);
  Label3 = control(about_box_names::Label3);
  Free_Resources_Label = control(about_box_names::Free_Resources_Label);
  OKButton = control(about_box_names::OKButton);
  Badge_Logo = control(about_box_names::Badge_Logo);
  Badge_Label = control(about_box_names::Badge_Label);
  Quotes_From_Vantrel_ListBox = control(about_box_names::Quotes_From_Vantrel_ListBox);
}

// --- the box as the behaviour sees it ---

void TAboutBox::Set_Field(ui::About_Field field, const std::string& text) {
  const std::string name = About_Field_Control(field);
  if (name.empty()) return Set_Text(hwnd_, text);
  Set_Control_Text(name, text);
}

void TAboutBox::Set_Control_Text(const std::string& name, const std::string& text) {
  HWND target = controls_.at(name);
  Set_Text(target, text);
  if (Described().Control(name).auto_size) Fit_To_Text(target);
}

void TAboutBox::Show_Control(const std::string& name, bool shown) {
  ShowWindow(controls_.at(name), shown ? SW_SHOW : SW_HIDE);
}

void TAboutBox::Move_Control(const std::string& name, int left, int top) {
  Control_Description moved = Described().Control(name);
  moved.box.left = left;
  moved.box.top = top;
  const Box b = About_Box_Place(moved);
  SetWindowPos(controls_.at(name), nullptr, b.left, b.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TAboutBox::Set_Control_Hint(const std::string& name, const std::string& hint) {
  Add_Hint(hints_, hwnd_, controls_.at(name), hint);
}

void TAboutBox::Set_Running(bool running) {
  running_ = running;
  // Each timer by its place in the description, from 1.
  const auto& timers = Described().timers;
  for (std::size_t i = 0; i < timers.size(); ++i) {
    if (running) {
      SetTimer(hwnd_, i + 1, static_cast<UINT>(timers[i].interval_ms), nullptr);
    } else {
      KillTimer(hwnd_, i + 1);
    }
  }
  Vantrel_Logo_GIFImage->Set_Animate(running);
}

// The artwork is loaded when the box is first shown: nothing of it is seen before,
// and decoding it would only slow the main window's first appearance.
void TAboutBox::Load_Artwork() {
  if (!pictures_.empty()) return;
  for (const Control_Description& c : Described().controls) {
    if (c.kind == Control_Kind::Picture) pictures_[controls_.at(c.name)] = Bitmap(c.text.c_str());
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
    if (HBITMAP glyph = enabled ? glyph_ : glyph_off_) {
      Draw_Transparent(dc, glyph, r.left + 15, r.top + (r.bottom - r.top - 19) / 2, 18, 19);
    }
    RECT text = r;
    text.left += 15 + 18;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const std::string caption = Text_Of(item.hwndItem);
    DrawTextA(dc, caption.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
      RECT focus = r;
      InflateRect(&focus, -4, -4);
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
  if (item.hwndItem == Badge_Logo) {
    // The slogan over the badge, drawn with it: centred, word-wrapped, in its colour.
    const Control_Description& d = Described().Control(about_box_names::Badge_Label);
    RECT text = Frame_Rect_In(Badge_Label, item.hwndItem);
    const std::string slogan = Text_Of(Badge_Label);
    HGDIOBJ old_font = SelectObject(dc, Font(d.font));
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
    case WM_COMMAND: {
      const bool click = HIWORD(wparam) == BN_CLICKED;  // STN_CLICKED has the same value
      if (!click) return 0;
      const int id = LOWORD(wparam);
      if (id == IDCANCEL) {
        b.Run_Command(Described().escape_command);
        return 0;
      }
      const auto it = clicks_.find(id);
      if (it != clicks_.end()) b.Run_Command(it->second);
      return 0;
    }
    case WM_TIMER: {
      const auto& timers = Described().timers;
      if (wparam >= 1 && wparam <= timers.size()) b.Run_Command(timers[wparam - 1].command);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE && open_) b.FormActivate();
      break;
    case WM_CLOSE:  // Alt+F4: it stops as OK does
      b.Closed();
      open_ = false;
      return 0;
    case WM_SETCURSOR: {
      bool hand = hand_.count(reinterpret_cast<HWND>(wparam)) != 0;
      if (!hand && reinterpret_cast<HWND>(wparam) == hwnd_) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd_, &p);
        for (const RECT& r : hand_rects_) hand = hand || PtInRect(&r, p);
      }
      if (hand) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
        return TRUE;
      }
      break;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      for (auto [r, edge] : frames_) DrawEdge(dc, &r, edge, BF_RECT);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_DRAWITEM: Draw_Item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)); return TRUE;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      const auto control = reinterpret_cast<HWND>(lparam);
      SetBkColor(dc, Colour_Of(Described().background, COLOR_BTNFACE));
      const auto it = text_colours_.find(control);
      if (it != text_colours_.end()) SetTextColor(dc, Colour_Of(it->second, COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(Brush_Of(Described().background, COLOR_BTNFACE));
    }
    default: break;
  }
  return DefWindowProcA(hwnd_, msg, wparam, lparam);
}

}  // namespace keldra::ui::win32
