#include "ui/win32/options_setup.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "ui/options_setup_description.h"
#include "ui/win32/controls.h"
#include "ui/win32/modal_window.h"
#include "ui/win32/window_class.h"

namespace keldra::ui::win32 {
namespace {

const Window_Description& Described() { return Options_Setup_Description(); }

HWND Child(HWND parent, const char* cls, const Control_Description& c, DWORD style, int id,
           DWORD ex_style = 0) {
  return Make_Control(parent, cls, c.text.c_str(), WS_VISIBLE | style, id, c.box.left, c.box.top,
                      c.box.width, c.box.height, ex_style);
}

}  // namespace

TOptions_Setup::TOptions_Setup(HWND owner, Fonts& fonts, Options_Setup_Behaviour& behaviour,
                               const std::string& decimal_separator)
    : fonts_(fonts), owner_(owner), behaviour_(behaviour) {
  Use_Common_Controls();  // the spin edit's arrows
  const Window_Description& d = Described();
  Register_Object_Class<TOptions_Setup>(d.class_name.c_str());
  const SIZE outer =
      Outer_Size(d.client_width, d.client_height, Dialog_Style(d.frame_kind), Dialog_Ex_Style);
  hwnd_ = CreateWindowExA(Dialog_Ex_Style, d.class_name.c_str(), d.caption.c_str(),
                          Dialog_Style(d.frame_kind), CW_USEDEFAULT, CW_USEDEFAULT, outer.cx,
                          outer.cy, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  Create_Controls(decimal_separator);
}

TOptions_Setup::~TOptions_Setup() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

HFONT TOptions_Setup::Font(const Font_Description& f) {
  const Font_Description& face = f.face.empty() ? Described().font : f;
  return fonts_.Get(face.face, face.height, {face.bold, face.underline});
}

void TOptions_Setup::Run_Command(int command) { behaviour_.Run_Command(command); }

std::optional<int> TOptions_Setup::Selected_Entry() const {
  const auto i = SendMessageA(ListBox1, LB_GETCURSEL, 0, 0);
  return i == LB_ERR ? std::nullopt : std::optional<int>(static_cast<int>(i));
}

void TOptions_Setup::Close() { open_ = false; }

void TOptions_Setup::Create_Controls(const std::string& decimal_separator) {
  const Window_Description& d = Described();
  hints_ = Create_Hints();
  // In tab order, as described; the disabled limit field never takes the focus.
  int id = ID_DriveComboBox1;
  for (const Control_Description& c : d.controls) {
    if (c.name.empty() || c.name == options_setup_names::Arrow_Label)
      continue;  // made when first shown
    HWND w = nullptr;
    switch (c.kind) {
      case Control_Kind::Drive_Chooser:
        DriveComboBox1 = std::make_unique<Drive_Chooser>(hwnd_, id, Rect_Of(c.box));
        w = DriveComboBox1->Handle();
        break;
      case Control_Kind::Button:
        w = Child(hwnd_, "BUTTON", c, WS_TABSTOP | BS_PUSHBUTTON, id);
        break;
      case Control_Kind::List_Box:
        w = ListBox1 = Child(
            hwnd_, "LISTBOX", c,
            WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
            id, WS_EX_CLIENTEDGE);
        SendMessageA(ListBox1, LB_SETITEMHEIGHT, 0, c.item_height);
        break;
      case Control_Kind::Spin_Edit:
        SpinEdit1 = std::make_unique<Spin_Edit>(hwnd_, id, Rect_Of(c.box), decimal_separator);
        w = SpinEdit1->Editor();
        break;
      case Control_Kind::Number_Display:
        // Shown, never edited and never focused: a field drawn as the system draws a
        // disabled one, in the colours described for it.
        w = Max_Drives_SpinEdit =
            Child(hwnd_, "STATIC", c, SS_LEFT | SS_CENTERIMAGE, id, WS_EX_CLIENTEDGE);
        Show_Drive_Limit(behaviour_.Drive_Limit());
        break;
      case Control_Kind::Check_Box:
        w = Child(hwnd_, "BUTTON", c, WS_TABSTOP | BS_AUTOCHECKBOX, id);
        break;
      default: break;
    }
    if (w == nullptr) continue;
    commands_[GetDlgCtrlID(w)] = c.click;
    Set_Font(w, Font(c.font));
    if (c.show_hint) Add_Hint(hints_, hwnd_, w, c.hint);
    if (c.name == options_setup_names::AddButton) AddButton = w;
    if (c.name == options_setup_names::OKButton) OKButton = w;
    if (c.name == options_setup_names::Show_Total_of_All_Drives_CheckBox)
      Show_Total_of_All_Drives_CheckBox = w;
    if (c.name == options_setup_names::Always_On_Top_CheckBox) Always_On_Top_CheckBox = w;
    ++id;
  }
}

void TOptions_Setup::Create_Fixed_Texts() {
  for (const Control_Description& c : Described().controls) {
    if (c.kind != Control_Kind::Label) continue;
    if (c.name == options_setup_names::Arrow_Label) {
      // Drawn to fit between the Add button and the list.
      const int width = Described().Control(options_setup_names::ListBox1).box.left - c.box.left;
      Make_Control(hwnd_, "STATIC", c.text.c_str(), WS_VISIBLE | SS_OWNERDRAW, ID_Arrow_Text,
                   c.box.left, c.box.top, width, c.font.height + c.font.height / 7 + 1);
      continue;
    }
    if (!c.name.empty()) continue;
    const DWORD style = c.align == Text_Align::Centre ? SS_CENTER : 0;
    HWND t = Child(hwnd_, "STATIC", c, style, -1);
    Set_Font(t, Font(c.font));
    if (c.auto_size) Fit_To_Text(t);
  }
}

void TOptions_Setup::Draw_Arrow(const DRAWITEMSTRUCT& item) {
  const Control_Description& c = Described().Control(options_setup_names::Arrow_Label);
  HDC dc = item.hDC;
  HGDIOBJ old = SelectObject(dc, Font(c.font));
  const int length = static_cast<int>(c.text.size());
  SIZE natural;
  GetTextExtentPoint32A(dc, c.text.c_str(), length, &natural);
  SetTextCharacterExtra(dc, static_cast<int>(std::floor(Arrow_Letter_Spacing(natural.cx))));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB((c.text_colour.rgb >> 16) & 0xFF, (c.text_colour.rgb >> 8) & 0xFF,
                       c.text_colour.rgb & 0xFF));
  TextOutA(dc, 0, 0, c.text.c_str(), length);
  SetTextCharacterExtra(dc, 0);
  SelectObject(dc, old);
}

// --- the controls as the behaviour sees them ---

void TOptions_Setup::Show_Entries(const std::vector<std::string>& entries) {
  SendMessageA(ListBox1, LB_RESETCONTENT, 0, 0);
  for (const std::string& text : entries) {
    SendMessageA(ListBox1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void TOptions_Setup::Show_Interval_Text(const std::string& text) {
  SetWindowTextA(SpinEdit1->Editor(), text.c_str());
}

void TOptions_Setup::Show_Chooser(const std::vector<monitor::Chooser_Entry>& entries,
                                  std::optional<std::size_t> current) {
  DriveComboBox1->Show(entries, current);
}

void TOptions_Setup::Show_Drive_Limit(int limit) {
  SetWindowTextA(Max_Drives_SpinEdit, std::to_string(limit).c_str());
}

void TOptions_Setup::Show_Total_Checked(bool on) {
  SendMessageA(Show_Total_of_All_Drives_CheckBox, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}
void TOptions_Setup::Show_Always_On_Top_Checked(bool on) {
  SendMessageA(Always_On_Top_CheckBox, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TOptions_Setup::Show_Modal() {
  behaviour_.Fill_Chooser();
  // The fixed texts and frames are made when first needed.
  if (!shown_before_) Create_Fixed_Texts();
  Place_As_Described(hwnd_, Described(), !shown_before_);
  shown_before_ = true;
  behaviour_.FormActivate();  // the limit text must not wait for the activation
  open_ = true;
  // The chooser's timer runs while the dialog is open.
  const Timer_Description& timer = Described().Timer(options_setup_names::Chooser_Timer);
  SetTimer(hwnd_, Chooser_Timer_Id, static_cast<UINT>(timer.interval_ms), nullptr);
  Run_Modal(hwnd_, owner_, open_);
  KillTimer(hwnd_, Chooser_Timer_Id);
}

// --- messages ---

LRESULT TOptions_Setup::Handle(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      const WORD code = HIWORD(wparam);
      if (id == ID_DriveComboBox1) {
        const std::optional<std::size_t> picked = DriveComboBox1->Picked();
        if (code == CBN_SELCHANGE && picked) behaviour_.DriveComboBox1Pick(*picked);
        return 0;
      }
      if (id == ID_SpinEdit1) {
        // The field reports its first text while it is being made.
        if (code == EN_CHANGE && SpinEdit1) behaviour_.SpinEdit1Change(SpinEdit1->Text());
        return 0;
      }
      if (id == ID_Always_On_Top_CheckBox) {
        if (code == BN_CLICKED)
          behaviour_.Always_On_Top_CheckBoxClick(
              SendMessageA(Always_On_Top_CheckBox, BM_GETCHECK, 0, 0) == BST_CHECKED);
        return 0;
      }
      if (id == ID_Show_Total_of_All_Drives_CheckBox) {
        if (code == BN_CLICKED)
          behaviour_.Show_Total_CheckBoxClick(
              SendMessageA(Show_Total_of_All_Drives_CheckBox, BM_GETCHECK, 0, 0) == BST_CHECKED);
        return 0;
      }
      // Escape runs what the description says (nothing: there is no Cancel); Enter
      // presses nothing, there being no default button.
      if (id == IDCANCEL) {
        Run_Command(Described().escape_command);
        return 0;
      }
      // A click of a button, or a change of the list's selection by mouse or keyboard.
      const bool acted =
          (id == ID_ListBox1 && code == LBN_SELCHANGE) || (id != ID_ListBox1 && code == BN_CLICKED);
      const auto it = commands_.find(id);
      if (acted && it != commands_.end()) Run_Command(it->second);
      return 0;
    }
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      if (item.CtlID == ID_DriveComboBox1)
        item.itemHeight = Drive_Chooser::Item_Height(Font(Described().font));
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
      // The limit, in the colours described for it.
      if (reinterpret_cast<HWND>(lparam) == Max_Drives_SpinEdit) {
        const Control_Description& c =
            Described().Control(options_setup_names::Max_Drives_SpinEdit);
        SetTextColor(dc, Colour_Of(c.text_colour, COLOR_WINDOWTEXT));
        SetBkColor(dc, Colour_Of(c.background, COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(Brush_Of(c.background, COLOR_BTNFACE));
      }
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_TIMER:
      if (wparam == Chooser_Timer_Id)
        Run_Command(Described().Timer(options_setup_names::Chooser_Timer).command);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) behaviour_.FormActivate();
      break;
    case WM_PAINT: {
      // The sunken frames around the drive area, the limit, the interval and the two
      // switches, drawn on the dialog itself so that they lie behind every control.
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      for (const Control_Description& c : Described().controls) {
        if (c.kind != Control_Kind::Frame) continue;
        RECT r = Rect_Of(c.box);
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
      }
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_CLOSE: open_ = false; return 0;  // the close box applies, as OK does
    default: break;
  }
  return DefWindowProcA(hwnd_, msg, wparam, lparam);
}

}  // namespace keldra::ui::win32
