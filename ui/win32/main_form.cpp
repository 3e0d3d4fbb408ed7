#include "ui/win32/main_form.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "ui/win32/controls.h"
#include "ui/win32/percent_gauge.h"
#include "ui/win32/window_class.h"

namespace keldra::ui::win32 {
namespace {

const char* const kClassName = "TMainForm1";
constexpr int kDesignLeft = 456;
constexpr int kDesignTop = 92;
constexpr int kDesignOuterWidth = 197;
constexpr int kDesignOuterHeight = 598;

// The labels take double-clicks and show hints: they tell their parent of clicks.
HWND Make_Static(HWND parent, int id, const char* text, int left, int top, int w, int h,
                 DWORD style = 0) {
  return Make_Control(parent, "STATIC", text, SS_NOTIFY | style, id, left, top, w, h);
}

}  // namespace

TMainForm1::TMainForm1(Fonts& fonts) : fonts_(fonts) {
  // Double-clicks on the background refresh.
  Register_Object_Class<TMainForm1>(kClassName, CS_DBLCLKS,
                                    LoadIconA(GetModuleHandleA(nullptr), "MAINICON"));
  Create_Menu();
  hwnd_ = CreateWindowExA(0, kClassName, "??", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kDesignLeft,
                          kDesignTop, kDesignOuterWidth, kDesignOuterHeight, nullptr, MainMenu1,
                          GetModuleHandleA(nullptr), this);
  Set_Font(hwnd_, fonts_.Get("Times New Roman", 15));
  Create_Rows();
  // Timer1 runs from creation with its design interval.
  SetTimer(hwnd_, Timer1_Id, Timer1_Design_Interval, nullptr);
  // FormCreate: accept files dropped from the shell.
  DragAcceptFiles(hwnd_, TRUE);
}

TMainForm1::~TMainForm1() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void TMainForm1::Create_Menu() {
  MainMenu1 = CreateMenu();
  FileMenu = CreatePopupMenu();
  AppendMenuA(FileMenu, MF_STRING, ID_RefreshOption, "&Refresh");
  AppendMenuA(FileMenu, MF_SEPARATOR, 0, nullptr);  // N1
  AppendMenuA(FileMenu, MF_STRING, ID_SettingsOption, "&Settings");
  AppendMenuA(FileMenu, MF_SEPARATOR, 0, nullptr);  // N2
  AppendMenuA(FileMenu, MF_STRING, ID_Always_on_Top_Option, "&Always On Top");
  AppendMenuA(FileMenu, MF_STRING, ID_Auto_Run_at_Windows_Startup_Option,
              "Auto-Run at Windows Startup");
  AppendMenuA(FileMenu, MF_STRING, ID_Restore_Factory_Defaults_Option, "Restore Factory Defaults");
  AppendMenuA(FileMenu, MF_SEPARATOR, 0, nullptr);  // N5
  AppendMenuA(FileMenu, MF_STRING, ID_ExitOption, "E&xit");
  Help1 = CreatePopupMenu();
  AppendMenuA(Help1, MF_STRING, ID_View_Readme_file_Option, "&View Readme file");
  AppendMenuA(Help1, MF_STRING, ID_View_Shareware_Catalog_Option, "View &Shareware Catalog");
  AppendMenuA(Help1, MF_SEPARATOR, 0, nullptr);  // About1
  AppendMenuA(Help1, MF_STRING, ID_AboutOption, "&About");
  AppendMenuA(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(FileMenu), "&File");
  AppendMenuA(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(Help1), "&Help");
}

// The hints are given once the window is on screen: nobody can point at a control
// before, and the first appearance does not wait for them.
void TMainForm1::Give_Hints() {
  if (Hints) return;
  Hints = Create_Hints();
  for (int n = 1; n <= monitor::Drive_Row_Count; ++n) {
    const auto i = static_cast<std::size_t>(n);
    Add_Hint(Hints, hwnd_, Drive_Label_[i], "Drive being monitored.");
    Add_Hint(Hints, hwnd_, Drive_Pct_Free_[i], "Percentage (%) of disk space used.");
    // Row 3's text carries its hint, but shows none.
    if (n != 3) Add_Hint(Hints, hwnd_, Drive_Free_[i], "Disk Space Free / Total Drive Capacity");
  }
  Add_Hint(Hints, hwnd_, Refresh_Button, "Refresh Drive Information.");
}

void TMainForm1::Create_Rows() {
  HFONT window_font = fonts_.Get("Times New Roman", 15);
  for (int n = 1; n <= monitor::Drive_Row_Count; ++n) {
    const int top = 8 + 20 * (n - 1);
    HWND label = Make_Static(hwnd_, ID_Drive_Label_ + n, "?", 4, top, 7, 17);
    HWND gauge = Create_Percent_Gauge(hwnd_, ID_Drive_Pct_Free_ + n, 32, top, 55, 17);
    HWND free = Make_Static(hwnd_, ID_Drive_Free_ + n, "??", 92, top, 14, 17);
    Set_Font(label, window_font);
    Set_Font(free, window_font);
    // Row 1's gauge text is bold System, row 2's the window's font, the rest plain System.
    Set_Font(gauge, n == 1   ? fonts_.Get("System", 13, {true}, false)
                    : n == 2 ? fonts_.Get("Times New Roman", 15, {}, false)
                             : fonts_.Get("System", 13, {}, false));
    for (HWND w : {label, gauge, free}) SetWindowLongPtrA(w, GWLP_USERDATA, n);  // the Tag
    Drive_Label_[static_cast<std::size_t>(n)] = label;
    Drive_Pct_Free_[static_cast<std::size_t>(n)] = gauge;
    Drive_Free_[static_cast<std::size_t>(n)] = free;
  }
  Spinner_Label = Make_Static(hwnd_, ID_Spinner_Label, "=", 0, -4, 25, 13, SS_CENTER | WS_VISIBLE);
  Set_Font(Spinner_Label, fonts_.Get("Courier", 13));
  Free_Used_Label = Make_Static(hwnd_, ID_Free_Used_Label, "Free  /  Used", 96, -2, 44, 10,
                                SS_CENTER | WS_VISIBLE);
  Set_Font(Free_Used_Label, fonts_.Get("Arial", 8));
  Fit_To_Text(Free_Used_Label);
  Refresh_Button =
      Make_Control(hwnd_, "BUTTON", "", BS_PUSHBUTTON, ID_Refresh_Button, 112, 52, 37, 13);
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
      if (wparam == Timer1_Id) Guarded([this] { behaviour_->Timer1Timer(); });
      return 0;
    case WM_LBUTTONDBLCLK: Guarded([this] { behaviour_->Refresh_All_Drives(); }); return 0;
    case WM_DROPFILES: Files_Dropped(reinterpret_cast<HDROP>(wparam)); return 0;
    case WM_APP_CREATE_HINTS: Give_Hints(); return 0;
    case WM_CTLCOLORSTATIC: {
      // The labels lie on the button face; the indicator and the heading are black.
      HDC dc = reinterpret_cast<HDC>(wparam);
      const auto control = reinterpret_cast<HWND>(lparam);
      const bool black = control == Spinner_Label || control == Free_Used_Label;
      SetTextColor(dc, black ? RGB(0, 0, 0) : GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
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

void TMainForm1::On_Command(int id, int code) {
  if (!behaviour_) return;
  Main_Form_Behaviour& b = *behaviour_;
  const bool double_click = code == STN_DBLCLK;
  if (id > ID_Drive_Free_ && id <= ID_Drive_Free_ + monitor::Drive_Row_Count) {
    if (double_click) Guarded([&] { b.Refresh_All_Drives(); });
    return;
  }
  if (id > ID_Drive_Label_ && id <= ID_Drive_Label_ + 3) {  // only the first three letters
    if (double_click) Guarded([&] { b.Refresh_All_Drives(); });
    return;
  }
  switch (id) {
    case ID_Refresh_Button:
    case ID_RefreshOption: Guarded([&] { b.Refresh_All_Drives(); }); break;
    case ID_SettingsOption: Guarded([&] { b.SettingsOptionClick(); }); break;
    case ID_Always_on_Top_Option: Guarded([&] { b.Toggle_Always_on_Top(); }); break;
    case ID_Auto_Run_at_Windows_Startup_Option:
      Guarded([&] { b.Auto_Run_at_Windows_Startup_OptionClick(); });
      break;
    case ID_Restore_Factory_Defaults_Option:
      Guarded([&] { b.Restore_Factory_Defaults_OptionClick(); });
      break;
    case ID_ExitOption: SendMessageA(hwnd_, WM_CLOSE, 0, 0); break;
    case ID_View_Readme_file_Option: Guarded([&] { b.View_Readme_file_OptionClick(); }); break;
    case ID_View_Shareware_Catalog_Option:
      Guarded([&] { b.View_Shareware_Catalog_OptionClick(); });
      break;
    case ID_AboutOption: Guarded([&] { b.About1Click(); }); break;
    default: break;
  }
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
