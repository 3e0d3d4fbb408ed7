#include "ui/win32/about_box.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/controls.h"
#include "ui/win32/modal_window.h"
#include "ui/win32/window_class.h"

namespace keldra::ui::win32 {
namespace {

const char* const kClassName = "TAboutBox";
// A dialog frame with a caption and no border icons.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
// The two frames' origins: the controls are placed relative to them.
constexpr POINT kBanner{3, -4};
constexpr POINT kBody{3, 70};

// The controls are placed relative to the frame they lie in.
HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int id, POINT origin, int x,
           int y, int w, int h) {
  return Make_Control(parent, cls, text, WS_VISIBLE | style, id, origin.x + x, origin.y + y, w, h);
}

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

TAboutBox::TAboutBox(HWND owner, Fonts& fonts, ui::About_Box_Behaviour::Services services)
    : fonts_(fonts), owner_(owner), behaviour_(*this, std::move(services)) {
  Register_Object_Class<TAboutBox>(kClassName);
  const SIZE outer = Outer_Size(622, 411, kStyle, kExStyle);
  hwnd_ = CreateWindowExA(kExStyle, kClassName, "??", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          outer.cx, outer.cy, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  Create_Controls();
}

TAboutBox::~TAboutBox() {
  Vantrel_Logo_GIFImage.reset();
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  for (HBITMAP b : {banner_, badge_, paypal_, glyph_, glyph_off_}) {
    if (b) DeleteObject(b);
  }
}

void TAboutBox::Create_Controls() {
  hints_ = Create_Hints();
  HFONT body = fonts_.Get("Times New Roman", 15);
  HFONT bold = fonts_.Get("Times New Roman", 15, {true});
  HFONT link = fonts_.Get("Times New Roman", 16, {true, true});

  // The pictures and the texts that lie over them come first: earlier children lie on top.
  Vantrel_Logo_Banner_Image = Child(hwnd_, "STATIC", "", SS_OWNERDRAW | SS_NOTIFY,
                                    ID_Vantrel_Logo_Banner_Image, kBanner, 2, 8, 611, 67);
  Badge_Label = Child(hwnd_, "STATIC", "Full of free space", SS_CENTER | SS_NOTIFY, ID_Badge_Label,
                      kBody, 458, 296, 98, 32);
  Set_Font(Badge_Label, fonts_.Get("Arial", 13));
  Badge_Logo =
      Child(hwnd_, "STATIC", "", SS_OWNERDRAW | SS_NOTIFY, ID_Badge_Logo, kBody, 452, 292, 149, 41);
  Add_Hint(hints_, hwnd_, Badge_Logo, "Hey, don't poke me there !!");
  Vantrel_Logo_GIFImage = std::make_unique<Animated_Picture>(
      hwnd_, ID_Vantrel_Logo_GIFImage,
      RECT{kBody.x + 12, kBody.y + 16, kBody.x + 185, kBody.y + 181});

  auto label = [&](const char* text, int id, int x, int y, int w, int h, DWORD style, HFONT font) {
    HWND l = Child(hwnd_, "STATIC", text, style, id, kBody, x, y, w, h);
    Set_Font(l, font);
    return l;
  };
  Quote_From_Vantrel_Label =
      label("Quote_From_Vantrel_Label", -1, 8, 184, 181, 119, SS_CENTER, body);
  Product_Name_Label = label("Product_Name_Label", -1, 205, 15, 400, 18, 0, bold);
  Author_and_Date_Label = label("", -1, 205, 44, 400, 18, 0, bold);
  Developed_Using_Label = label("", -1, 205, 73, 400, 18, 0, body);
  Copyright_Label = label("", -1, 205, 102, 400, 18, 0, body);
  PayPal_Donations_Label = label(
      "Please support my efforts and encourage me to keep developing useful software by making a "
      "PayPal donation.",
      ID_PayPal_Donations_Label, 206, 157, 312, 63, SS_CENTER | SS_NOTIFY,
      fonts_.Get("Times New Roman", 16, {false, true}));
  PayPal_Image = Child(hwnd_, "STATIC", "", SS_OWNERDRAW | SS_NOTIFY, ID_PayPal_Image, kBody, 532,
                       166, 62, 31);
  Comments_Label = label("", -1, 205, 230, 225, 18, SS_RIGHT, body);
  WEB_Page_Label = label("", -1, 205, 259, 225, 18, SS_RIGHT, body);
  Email_Address_Label = label("", ID_Email_Address_Label, 446, 216, 160, 20, SS_NOTIFY, link);
  WEB_Address_Label = label("", ID_WEB_Address_Label, 447, 250, 160, 20, SS_NOTIFY, link);
  Email_Button =
      Child(hwnd_, "BUTTON", "", BS_PUSHBUTTON, ID_Email_Button, kBody, 438, 228, 169, 23);
  WEB_Button = Child(hwnd_, "BUTTON", "", BS_PUSHBUTTON, ID_WEB_Button, kBody, 438, 257, 169, 23);
  Set_Font(Email_Button, body);
  Set_Font(WEB_Button, body);
  PayPal_WEB_Address_Label = Child(hwnd_, "STATIC", "", 0, -1, kBody, 0, 0, 1, 1);
  ShowWindow(PayPal_WEB_Address_Label, SW_HIDE);
  Label3 = label("Free System Resources :", -1, 23, 308, 150, 18, 0, body);
  Fit_To_Text(Label3);
  Free_Resources_Label = label("Free %", -1, 179, 308, 60, 18, 0, body);
  OKButton = Child(hwnd_, "BUTTON", "OK", BS_OWNERDRAW | WS_TABSTOP, ID_About_OKButton, kBody, 257,
                   288, 100, 48);
  Set_Font(OKButton, fonts_.Get("Times New Roman", 19, {true}));
  Quotes_From_Vantrel_ListBox = Child(hwnd_, "LISTBOX", "", LBS_HASSTRINGS, -1, kBody, 0, 0, 1, 1);
  ShowWindow(Quotes_From_Vantrel_ListBox, SW_HIDE);
  for (const std::string& q : ui::About_Quotes())
    SendMessageA(Quotes_From_Vantrel_ListBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(q.c_str()));
}

// --- the box as the behaviour sees it ---

void TAboutBox::Set_Field(ui::About_Field field, const std::string& text) {
  using ui::About_Field;
  HWND target = nullptr;
  switch (field) {
    case About_Field::Caption: target = hwnd_; break;
    case About_Field::Product_Name: target = Product_Name_Label; break;
    case About_Field::Author_and_Date: target = Author_and_Date_Label; break;
    case About_Field::Developed_Using: target = Developed_Using_Label; break;
    case About_Field::Copyright: target = Copyright_Label; break;
    case About_Field::Comments_Lead_In: target = Comments_Label; break;
    case About_Field::Web_Page_Lead_In: target = WEB_Page_Label; break;
    case About_Field::Email_Address: target = Email_Button; break;
    case About_Field::Web_Address: target = WEB_Button; break;
    case About_Field::Donation_Address: target = PayPal_WEB_Address_Label; break;
    case About_Field::Quote: target = Quote_From_Vantrel_Label; break;
    case About_Field::Free_Resources:
      SetWindowTextA(Free_Resources_Label, text.c_str());
      Fit_To_Text(Free_Resources_Label);
      return;
  }
  Set_Text(target, text);
}

void TAboutBox::Set_Running(bool running) {
  running_ = running;
  if (running) {
    SetTimer(hwnd_, Quote_Change_Timer_Id, 10000, nullptr);
    SetTimer(hwnd_, Free_Resources_Timer_Id, 500, nullptr);
  } else {
    KillTimer(hwnd_, Quote_Change_Timer_Id);
    KillTimer(hwnd_, Free_Resources_Timer_Id);
  }
  Vantrel_Logo_GIFImage->Set_Animate(running);
}

void TAboutBox::Show_Links_As_Labels(const std::string& email_hint, const std::string& web_hint) {
  ShowWindow(Email_Button, SW_HIDE);
  ShowWindow(WEB_Button, SW_HIDE);
  for (auto [label, button, hint] : {std::tuple{Email_Address_Label, Email_Button, &email_hint},
                                     std::tuple{WEB_Address_Label, WEB_Button, &web_hint}}) {
    RECT l, b;
    GetWindowRect(label, &l);
    GetWindowRect(button, &b);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&l), 2);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&b), 2);
    SetWindowTextA(label, Text_Of(button).c_str());
    SetWindowPos(label, nullptr, l.left, b.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Fit_To_Text(label);
    Add_Hint(hints_, hwnd_, label, *hint);
  }
  hand_ = {Email_Address_Label,
           WEB_Address_Label,
           Badge_Label,
           Badge_Logo,
           Vantrel_Logo_GIFImage->Handle(),
           Vantrel_Logo_Banner_Image,
           PayPal_Donations_Label,
           PayPal_Image};
  hand_on_bevels_ = true;
}

// The artwork is loaded when the box is first shown: nothing of it is seen before,
// and decoding it would only slow the main window's first appearance.
void TAboutBox::Load_Artwork() {
  if (banner_) return;
  banner_ = Bitmap("BANNER");
  badge_ = Bitmap("BADGE");
  paypal_ = Bitmap("PAYPAL");
  glyph_ = Bitmap("OK_GLYPH");
  glyph_off_ = Bitmap("OK_GLYPH_OFF");
  Vantrel_Logo_GIFImage->Load("LOGO");
}

void TAboutBox::Show_Modal() {
  Load_Artwork();
  Centre_On_Screen(hwnd_);  // centred whenever shown
  open_ = true;
  Run_Modal(hwnd_, owner_, open_);
}

// --- messages ---

void TAboutBox::Draw_Item(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  if (item.CtlID == ID_About_OKButton) {
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
    DrawTextA(dc, "OK", 2, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
      RECT focus = r;
      InflateRect(&focus, -4, -4);
      DrawFocusRect(dc, &focus);
    }
    return;
  }
  if (item.CtlID == ID_Badge_Label) return;
  // The pictures, stretched to their controls.
  HBITMAP picture = item.CtlID == ID_Vantrel_Logo_Banner_Image ? banner_
                    : item.CtlID == ID_Badge_Logo              ? badge_
                                                               : paypal_;
  if (!picture) return;
  BITMAP info;
  GetObjectA(picture, sizeof info, &info);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, picture);
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, mem, 0, 0, info.bmWidth,
             info.bmHeight, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  if (item.CtlID == ID_Badge_Logo) {
    // The slogan over the badge: centred, word-wrapped, in the highlight-text colour.
    RECT text = Frame_Rect_In(Badge_Label, item.hwndItem);
    const std::string slogan = Text_Of(Badge_Label);
    HGDIOBJ old_font = SelectObject(dc, fonts_.Get("Arial", 13));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
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
      const int code = HIWORD(wparam);
      const bool click = code == BN_CLICKED;  // STN_CLICKED has the same value
      if (!click) return 0;
      switch (LOWORD(wparam)) {
        case IDOK:      // the OK button, or Enter
        case IDCANCEL:  // Escape acts exactly as OK
          b.OKButtonClick();
          break;
        case ID_Email_Address_Label:
        case ID_Email_Button: b.Email_ButtonClick(); break;
        case ID_WEB_Address_Label:
        case ID_WEB_Button:
        case ID_Vantrel_Logo_GIFImage:
        case ID_Vantrel_Logo_Banner_Image:
        case ID_Badge_Logo:
        case ID_Badge_Label: b.WEB_ButtonClick(); break;
        case ID_PayPal_Donations_Label:
        case ID_PayPal_Image: b.PayPal_Donations_LabelClick(); break;
        default: break;
      }
      return 0;
    }
    case WM_TIMER:
      if (wparam == Quote_Change_Timer_Id) b.Quote_Change_TimerTimer();
      if (wparam == Free_Resources_Timer_Id) b.Free_Resources_TimerTimer();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE && open_) b.FormActivate();
      break;
    case WM_CLOSE:  // Alt+F4: it stops as OK does
      b.Closed();
      open_ = false;
      return 0;
    case WM_SETCURSOR: {
      bool hand = hand_.count(reinterpret_cast<HWND>(wparam)) != 0;
      if (!hand && hand_on_bevels_ && reinterpret_cast<HWND>(wparam) == hwnd_) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd_, &p);
        hand = PtInRect(&Bevel1, p) || PtInRect(&Bevel3, p);
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
      for (RECT r : {GroupBox2, GroupBox1}) DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
      for (RECT r : {Bevel1, Bevel3}) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_DRAWITEM: Draw_Item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)); return TRUE;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      const auto control = reinterpret_cast<HWND>(lparam);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      if (control == Email_Address_Label || control == WEB_Address_Label ||
          control == PayPal_Donations_Label) {
        SetTextColor(dc, RGB(0, 0, 255));
      }
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    default: break;
  }
  return DefWindowProcA(hwnd_, msg, wparam, lparam);
}

}  // namespace keldra::ui::win32
