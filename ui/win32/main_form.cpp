#include "ui/win32/main_form.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "ui/main_form_description.h"
#include "ui/win32/controls.h"
#include "ui/win32/percent_gauge.h"
#include "ui/win32/window_class.h"

namespace keldra::ui::win32 {
namespace {

const Window_Description& Described() { return Main_Form_Description(); }

bool Starts_With(const std::string& name, const char* prefix) { return name.rfind(prefix, 0) == 0; }

// The control id of a described control: by kind of row and Tag, or by name.
int Id_Of(const Control_Description& c) {
  if (Starts_With(c.name, Drive_Label_Prefix)) return ID_Drive_Label_ + c.tag;
  if (Starts_With(c.name, Drive_Pct_Free_Prefix)) return ID_Drive_Pct_Free_ + c.tag;
  if (Starts_With(c.name, Drive_Free_Prefix)) return ID_Drive_Free_ + c.tag;
  if (c.name == main_form_names::Spinner_Label) return ID_Spinner_Label;
  if (c.name == main_form_names::Free_Used_Label) return ID_Free_Used_Label;
  return ID_Refresh_Button;
}

}  // namespace

TMainForm1::TMainForm1(Fonts& fonts) : fonts_(fonts) {
  const Window_Description& d = Described();
  // Double-clicks on the background refresh.
  Register_Object_Class<TMainForm1>(d.class_name.c_str(), CS_DBLCLKS,
                                    LoadIconA(GetModuleHandleA(nullptr), "MAINICON"));
  Create_Menu();
  hwnd_ = CreateWindowExA(0, d.class_name.c_str(), d.caption.c_str(),
                          WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, d.frame.left, d.frame.top,
                          d.frame.width, d.frame.height, nullptr, MainMenu1,
                          GetModuleHandleA(nullptr), this);
  Set_Font(hwnd_, Font(d.font));
  Create_Rows();
  // Timer1 runs from creation with its design interval.
  const Timer_Description& timer = d.Timer(main_form_names::Timer1);
  SetTimer(hwnd_, Timer1_Id, static_cast<UINT>(timer.interval_ms), nullptr);
  // FormCreate: accept files dropped from the shell.
  DragAcceptFiles(hwnd_, TRUE);
}

TMainForm1::~TMainForm1() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

HFONT TMainForm1::Font(const Font_Description& f, bool smooth) {
  const Font_Description& face = f.face.empty() ? Described().font : f;
  return fonts_.Get(face.face, face.height, {face.bold, face.underline}, smooth);
}

void TMainForm1::Create_Menu() {
  MainMenu1 = CreateMenu();
  int id = ID_RefreshOption;
  for (const Menu_Description& m : Described().menus) {
    HMENU menu = CreatePopupMenu();
    for (const Menu_Item_Description& item : m.items) {
      if (item.caption == "-") {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        continue;
      }
      AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(id), item.caption.c_str());
      clicks_[id++] = item.command;
    }
    AppendMenuA(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), m.caption.c_str());
    if (m.name == main_form_names::FileMenu) FileMenu = menu;
    if (m.name == main_form_names::Help1) Help1 = menu;
  }
}

// The hints are given once the window is on screen: nobody can point at a control
// before, and the first appearance does not wait for them.
void TMainForm1::Give_Hints() {
  if (Hints) return;
  Hints = Create_Hints();
  for (const Control_Description& c : Described().controls) {
    if (c.show_hint) Add_Hint(Hints, hwnd_, GetDlgItem(hwnd_, Id_Of(c)), c.hint);
  }
}

void TMainForm1::Create_Rows() {
  for (const Control_Description& c : Described().controls) {
    const int id = Id_Of(c);
    const DWORD shown = c.visible ? WS_VISIBLE : 0;
    HWND w = nullptr;
    switch (c.kind) {
      case Control_Kind::Gauge:
        w = Create_Percent_Gauge(hwnd_, id, c.box.left, c.box.top, c.box.width, c.box.height);
        Set_Font(w, Font(c.font, Gauge_Text_Smoothed));
        break;
      case Control_Kind::Picture_Button:
        w = Make_Control(hwnd_, "BUTTON", "", BS_PUSHBUTTON | shown, id, c.box.left, c.box.top,
                         c.box.width, c.box.height);
        break;
      default: {
        // The labels take double-clicks and show hints: they tell their parent of clicks.
        const DWORD align = c.align == Text_Align::Centre ? SS_CENTER : 0;
        w = Make_Control(hwnd_, "STATIC", c.text.c_str(), SS_NOTIFY | align | shown, id, c.box.left,
                         c.box.top, c.box.width, c.box.height);
        Set_Font(w, Font(c.font));
        text_colours_[w] = c.text_colour;
        // The heading fits its text at once; a row's texts grow when a pass fills them.
        if (c.auto_size && c.visible) Fit_To_Text(w);
        break;
      }
    }
    clicks_[id] = c.click;
    double_clicks_[id] = c.double_click;
    if (c.tag > 0) SetWindowLongPtrA(w, GWLP_USERDATA, c.tag);  // the Tag
    const auto row = static_cast<std::size_t>(c.tag);
    if (Starts_With(c.name, Drive_Label_Prefix)) Drive_Label_[row] = w;
    if (Starts_With(c.name, Drive_Pct_Free_Prefix)) Drive_Pct_Free_[row] = w;
    if (Starts_With(c.name, Drive_Free_Prefix)) Drive_Free_[row] = w;
    if (c.name == main_form_names::Spinner_Label) Spinner_Label = w;
    if (c.name == main_form_names::Free_Used_Label) Free_Used_Label = w;
    if (c.name == main_form_names::Refresh_Button) Refresh_Button = w;
  }
}

void TMainForm1::Show() {
  shown_by_sequence_ = false;
  if (behaviour_) behaviour_->FormShow();
  if (!shown_by_sequence_) ShowWindow(hwnd_, SW_SHOWDEFAULT);
  UpdateWindow(hwnd_);
  PostMessageA(hwnd_, WM_APP_CREATE_HINTS, 0, 0);
}

LRESULT TMainForm1::Handle(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND: On_Command(LOWORD(wparam), HIWORD(wparam)); return 0;
    case WM_TIMER:
      if (wparam == Timer1_Id) Run(Described().Timer(main_form_names::Timer1).command);
      return 0;
    case WM_LBUTTONDBLCLK: Run(Main_Refresh); return 0;
    case WM_DROPFILES: Files_Dropped(reinterpret_cast<HDROP>(wparam)); return 0;
    case WM_APP_CREATE_HINTS: Give_Hints(); return 0;
    case WM_CTLCOLORSTATIC: {
      // The labels lie on the window's background, in their described colours.
      HDC dc = reinterpret_cast<HDC>(wparam);
      const auto it = text_colours_.find(reinterpret_cast<HWND>(lparam));
      SetTextColor(dc,
                   Colour_Of(it == text_colours_.end() ? Colour{} : it->second, COLOR_WINDOWTEXT));
      SetBkColor(dc, Colour_Of(Described().background, COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(Brush_Of(Described().background, COLOR_BTNFACE));
    }
    case WM_CLOSE:
      // FormCloseQuery: the settings are saved, or the window stays.
      if (!behaviour_ || behaviour_->FormCloseQuery()) DestroyWindow(hwnd_);
      return 0;
    case WM_QUERYENDSESSION: return behaviour_ && behaviour_->FormCloseQuery() ? TRUE : FALSE;
    case WM_DESTROY:
      KillTimer(hwnd_, Timer1_Id);
      PostQuitMessage(0);
      return 0;
    default: break;
  }
  return DefWindowProcA(hwnd_, msg, wparam, lparam);
}

void TMainForm1::Run(int command) {
  if (behaviour_) behaviour_->Run_Command(command);
}

void TMainForm1::On_Command(int id, int code) {
  // A label's double-click, a button's or a menu item's click: what the description
  // names for it. Every control takes its own double-click, so none reaches the
  // background.
  const auto& commands = code == STN_DBLCLK ? double_clicks_ : clicks_;
  const auto it = commands.find(id);
  if (code != STN_DBLCLK && id >= ID_Drive_Label_ && id < ID_Spinner_Label)
    return;  // a label's click
  if (it != commands.end()) Run(it->second);
}

void TMainForm1::Files_Dropped(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string path(length + 1, '\0');
    DragQueryFileA(drop, i, path.data(), length + 1);
    path.resize(length);
    paths.push_back(std::move(path));
  }
  DragFinish(drop);
  Guarded([&] { behaviour_->Files_Dropped(paths); });
}

}  // namespace keldra::ui::win32
