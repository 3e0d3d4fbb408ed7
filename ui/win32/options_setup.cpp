#include "ui/win32/options_setup.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/controls.h"
#include "ui/win32/modal_window.h"
#include "ui/win32/window_class.h"

namespace keldra::ui::win32 {
namespace {

const char* const kClassName = "TOptions_Setup";
constexpr int kClientWidth = 463;
constexpr int kClientHeight = 435;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;  // only a close box
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int id, int x, int y, int w,
           int h, DWORD ex_style = 0) {
  return Make_Control(parent, cls, text, WS_VISIBLE | style, id, x, y, w, h, ex_style);
}

}  // namespace

TOptions_Setup::TOptions_Setup(HWND owner, Fonts& fonts, const platform::Drive_Table& table,
                               platform::Message_Boxes& boxes, const std::string& decimal_separator)
    : fonts_(fonts), owner_(owner), table_(table), behaviour_(*this, boxes) {
  Register_Object_Class<TOptions_Setup>(kClassName);
  const SIZE outer = Outer_Size(kClientWidth, kClientHeight, kStyle, kExStyle);
  hwnd_ = CreateWindowExA(kExStyle, kClassName, "Keldra Options Setup :", kStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr,
                          GetModuleHandleA(nullptr), this);
  Create_Controls(decimal_separator);
}

TOptions_Setup::~TOptions_Setup() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void TOptions_Setup::Create_Controls(const std::string& decimal_separator) {
  HFONT dialog_font = fonts_.Get("System", 13);
  hints_ = Create_Hints();
  // In tab order; the disabled limit field never takes the focus.
  DriveComboBox1 =
      std::make_unique<Drive_Chooser>(hwnd_, ID_DriveComboBox1, RECT{24, 24, 169, 46}, table_);
  AddButton =
      Child(hwnd_, "BUTTON", "Add Drive", WS_TABSTOP | BS_PUSHBUTTON, ID_AddButton, 24, 64, 97, 33);
  Add_Hint(hints_, hwnd_, AddButton,
           "Add the currently selected drive to the list being monitored.");
  ListBox1 =
      Child(hwnd_, "LISTBOX", "",
            WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
            ID_ListBox1, 264, 40, 89, 129, WS_EX_CLIENTEDGE);
  SpinEdit1 =
      std::make_unique<Spin_Edit>(hwnd_, ID_SpinEdit1, RECT{264, 240, 321, 266}, decimal_separator);
  OKButton =
      Child(hwnd_, "BUTTON", "OK", WS_TABSTOP | BS_PUSHBUTTON, ID_OKButton, 186, 396, 89, 33);
  // Shown, never edited and never focused: a field drawn as the system draws a
  // disabled one, in the colours it keeps for the limit.
  Max_Drives_SpinEdit = Child(hwnd_, "STATIC", "20", SS_LEFT | SS_CENTERIMAGE,
                              ID_Max_Drives_SpinEdit, 264, 191, 57, 26, WS_EX_CLIENTEDGE);
  Show_Total_of_All_Drives_CheckBox =
      Child(hwnd_, "BUTTON", "Show Total of All Drives", WS_TABSTOP | BS_AUTOCHECKBOX,
            ID_Show_Total_of_All_Drives_CheckBox, 20, 296, 417, 17);
  Always_On_Top_CheckBox =
      Child(hwnd_, "BUTTON", "Keldra Window Always On Top", WS_TABSTOP | BS_AUTOCHECKBOX,
            ID_Always_On_Top_CheckBox, 20, 352, 429, 17);
  for (HWND w : {DriveComboBox1->Handle(), AddButton, ListBox1, SpinEdit1->Editor(), OKButton,
                 Show_Total_of_All_Drives_CheckBox, Always_On_Top_CheckBox}) {
    Set_Font(w, dialog_font);
  }
  SendMessageA(ListBox1, LB_SETITEMHEIGHT, 0, 16);
  Set_Font(Max_Drives_SpinEdit, fonts_.Get("System", 13, {true}));
}

void TOptions_Setup::Create_Fixed_Texts() {
  HFONT dialog_font = fonts_.Get("System", 13);
  auto text = [&](const char* s, int x, int y, int w, int h, DWORD style, HFONT font) {
    HWND t = Child(hwnd_, "STATIC", s, style, -1, x, y, w, h);
    Set_Font(t, font);
    if (w == 0) Fit_To_Text(t);
    return t;
  };
  text("Drives being Monitored :", 232, 16, 0, 0, 0, dialog_font);
  text("Click on drive to remove it.", 364, 56, 81, 91, SS_CENTER, dialog_font);
  // The arrow is drawn to fit between the Add button and the list.
  Child(hwnd_, "STATIC", "------------>", SS_OWNERDRAW, ID_Arrow_Text, 136, 64, 128, 40);
  text("|", 136, 48, 0, 0, 0, fonts_.Get("Arial", 29, {true}));
  text("Maximum Drives you can monitor :", 24, 196, 0, 0, 0, dialog_font);
  text("Refresh Drive status every :", 24, 245, 0, 0, 0, dialog_font);
  text("(Seconds)", 328, 245, 0, 0, 0, dialog_font);
}

void TOptions_Setup::Draw_Arrow(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  HGDIOBJ old = SelectObject(dc, fonts_.Get("System", 35, {true}));
  const char* arrow = "------------>";
  const int length = 13;
  SIZE natural;
  GetTextExtentPoint32A(dc, arrow, length, &natural);
  // A face wider than the one it stands in for closes its letters up until the
  // head meets the list.
  const int room = 264 - 136 - 2;
  if (natural.cx > room) SetTextCharacterExtra(dc, -((natural.cx - room + 11) / 12));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  TextOutA(dc, 0, 0, arrow, length);
  SetTextCharacterExtra(dc, 0);
  SelectObject(dc, old);
}

// --- the controls as the behaviour sees them ---

int TOptions_Setup::Entry_Count() const {
  return static_cast<int>(SendMessageA(ListBox1, LB_GETCOUNT, 0, 0));
}

std::string TOptions_Setup::Entry(int index) const {
  const auto length = SendMessageA(ListBox1, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(ListBox1, LB_GETTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void TOptions_Setup::Clear_Entries() { SendMessageA(ListBox1, LB_RESETCONTENT, 0, 0); }

void TOptions_Setup::Add_Entry(const std::string& text) {
  SendMessageA(ListBox1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TOptions_Setup::Remove_Entry(int index) {
  SendMessageA(ListBox1, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

std::optional<int> TOptions_Setup::Selected_Entry() const {
  const auto i = SendMessageA(ListBox1, LB_GETCURSEL, 0, 0);
  if (i == LB_ERR) return std::nullopt;
  return static_cast<int>(i);
}

int TOptions_Setup::Drive_Limit() const { return limit_; }

void TOptions_Setup::Set_Drive_Limit(int limit) {
  limit_ = std::clamp(limit, 0, 100);
  SetWindowTextA(Max_Drives_SpinEdit, std::to_string(limit_).c_str());
}

bool TOptions_Setup::Show_Total_Checked() const {
  return SendMessageA(Show_Total_of_All_Drives_CheckBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
void TOptions_Setup::Set_Show_Total_Checked(bool on) {
  SendMessageA(Show_Total_of_All_Drives_CheckBox, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}
bool TOptions_Setup::Always_On_Top_Checked() const {
  return SendMessageA(Always_On_Top_CheckBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
void TOptions_Setup::Set_Always_On_Top_Checked(bool on) {
  SendMessageA(Always_On_Top_CheckBox, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TOptions_Setup::Show_Modal() {
  DriveComboBox1->Ensure_Filled();
  if (!shown_before_) {
    // The fixed texts and frames are made when first needed.
    Create_Fixed_Texts();
    Centre_On_Screen(hwnd_);  // centred the first time; later where the user left it
    shown_before_ = true;
  }
  behaviour_.FormActivate();  // the limit text must not wait for the activation
  open_ = true;
  Run_Modal(hwnd_, owner_, open_);
}

// --- messages ---

LRESULT TOptions_Setup::Handle(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case ID_AddButton:
          if (HIWORD(wparam) == BN_CLICKED) behaviour_.AddButtonClick();
          return 0;
        case ID_ListBox1:
          // A change of selection, by mouse or keyboard, offers to remove.
          if (HIWORD(wparam) == LBN_SELCHANGE) behaviour_.ListBox1Click();
          return 0;
        case ID_DriveComboBox1:
          if (HIWORD(wparam) == CBN_SELCHANGE) DriveComboBox1->Picked();
          return 0;
        case ID_OKButton:
          if (HIWORD(wparam) == BN_CLICKED) open_ = false;
          return 0;
        default: return 0;  // Enter and Escape (IDOK, IDCANCEL) do nothing: no default, no Cancel
      }
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      if (item.CtlID == ID_DriveComboBox1)
        item.itemHeight = Drive_Chooser::Item_Height(fonts_.Get("System", 13));
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item.CtlID == ID_DriveComboBox1) DriveComboBox1->Draw(item);
      if (item.CtlID == ID_Arrow_Text) Draw_Arrow(item);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      // The limit: bold black on the inactive caption's text colour.
      if (reinterpret_cast<HWND>(lparam) == Max_Drives_SpinEdit) {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, GetSysColor(COLOR_INACTIVECAPTIONTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INACTIVECAPTIONTEXT));
      }
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) behaviour_.FormActivate();
      break;
    case WM_PAINT: {
      // The sunken frames around the drive area, the limit, the interval and the two
      // switches, drawn on the dialog itself so that they lie behind every control.
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      const RECT frames[] = {{8, 8, 457, 177},
                             {8, 184, 457, 225},
                             {8, 232, 457, 273},
                             {8, 284, 457, 329},
                             {8, 340, 457, 385}};
      for (RECT r : frames) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_CLOSE: open_ = false; return 0;  // the close box applies, as OK does
    default: break;
  }
  return DefWindowProcA(hwnd_, msg, wparam, lparam);
}

}  // namespace keldra::ui::win32
