#include "ui/win32/main_form.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/windows/win32_system_function.h"
#include "ui/main_form_description.h"
#include "ui/start_steps.h"
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

TMainForm1::TMainForm1(Fonts& fonts) : window_(Described(), fonts, ID_Refresh_Button) {
  const Window_Description& d = Described();
  // Double-clicks on the background refresh.
  Register_Object_Class<TMainForm1>(d.class_name.c_str(), CS_DBLCLKS,
                                    LoadIconA(GetModuleHandleA(nullptr), "MAINICON"));
  MainMenu1 = window_.Build_Menu(ID_RefreshOption);
  FileMenu = GetSubMenu(MainMenu1, 0);
  Help1 = GetSubMenu(MainMenu1, 1);
  // FormCreate: files dropped from the shell are accepted (by the style, which needs
  // no shell library until a drop comes).
  hwnd_ = CreateWindowExA(WS_EX_ACCEPTFILES, d.class_name.c_str(), d.caption.c_str(),
                          WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, d.frame.left, d.frame.top,
                          window_.Scaled(d.frame.width), window_.Scaled(d.frame.height), nullptr,
                          MainMenu1, GetModuleHandleA(nullptr), this);
  window_.Attach(hwnd_);
  // A hint's place follows its control's, also to a screen of other dots per inch;
  // a hidden control has none.
  const auto move_hint = [this](const Drawn_Control& c) {
    if (Hints) Move_Place_Hint(Hints, hwnd_, c.id, c.visible ? Place(c.box) : RECT{});
  };
  drawn_.On_Place_Changed(move_hint);
  window_.On_Rescaled([this, move_hint] {
    for (const Drawn_Control& c : drawn_.All()) move_hint(c);
  });
  Set_Font(hwnd_, window_.Font(d.font));
  Start_Step("main_window_made");
  drawn_.Add_Described(Described(), Id_Of, Bar_Colour_Rgb(monitor::Bar_Color::Lime));
  Start_Step(start_step::Rows_Built);
  // Timer1 runs from creation with its design interval.
  Set_Ticks(Tick_Period(static_cast<std::uint32_t>(d.Timer(main_form_names::Timer1).interval_ms)));
}

TMainForm1::~TMainForm1() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

// The hints, and the hidden button, are made when the pointer first moves over the
// window: nobody can point at a control before, and until then the common controls'
// library, which shows hints and, under the manifest, draws buttons, is not loaded
// at all.
void TMainForm1::Give_Hints() {
  if (Hints) return;
  Hints = window_.Hints();
  window_.Build(
      [](const Control_Description& c) { return c.kind == Control_Kind::Picture_Button; });
  Refresh_Button = window_.Control(main_form_names::Refresh_Button);
  for (const Control_Description& c : Described().controls) {
    if (!c.show_hint || c.kind == Control_Kind::Picture_Button) continue;
    const Drawn_Control& drawn = drawn_.Get(Id_Of(c));
    Add_Place_Hint(Hints, hwnd_, drawn.id, drawn.visible ? Place(drawn.box) : RECT{}, c.hint);
  }
}

void TMainForm1::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  Paint_Drawn_Controls(
      dc, ps.rcPaint, drawn_, [this](const Drawn_Control& c) { return Font_Of(c); },
      Colour_Of(Described().background, COLOR_BTNFACE),
      Brush_Of(Described().background, COLOR_BTNFACE), window_.Dpi());
  EndPaint(hwnd_, &ps);
}

HFONT TMainForm1::Font_Of(const Drawn_Control& c) {
  return window_.Font(c.described->font, !c.gauge || Gauge_Text_Smoothed);
}

void TMainForm1::Show() {
  shown_by_sequence_ = false;
  if (behaviour_) behaviour_->FormShow();
  if (!shown_by_sequence_) ShowWindow(hwnd_, SW_SHOWDEFAULT);
  UpdateWindow(hwnd_);
}

LRESULT TMainForm1::Handle(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_PAINT: Paint(); return 0;
    case WM_LBUTTONDBLCLK: {
      // A control's double-click runs what its description names, if anything: every
      // control takes its own, so none reaches the background, where it refreshes.
      const Point p{Unscaled(static_cast<short>(LOWORD(lparam)), window_.Dpi()),
                    Unscaled(static_cast<short>(HIWORD(lparam)), window_.Dpi())};
      const Drawn_Control* hit = drawn_.At(p);
      const int command = hit ? hit->described->double_click : Described().background_double_click;
      if (command != No_Command) Run(command);
      return 0;
    }
    case WM_DROPFILES: Files_Dropped(reinterpret_cast<HDROP>(wparam)); return 0;
    case WM_MOUSEMOVE:
      if (!Hints) Give_Hints();
      break;
    case WM_CLOSE:
      // FormCloseQuery: the settings are saved, or the window stays.
      if (!behaviour_ || behaviour_->FormCloseQuery()) DestroyWindow(hwnd_);
      return 0;
    case WM_QUERYENDSESSION: return behaviour_ && behaviour_->FormCloseQuery() ? TRUE : FALSE;
    case WM_DESTROY:
      window_.Run_Timers(false);
      PostQuitMessage(0);
      return 0;
    default: break;
  }
  // The menu's and the button's commands, Timer1's ticks, a move to another screen.
  if (const auto routed = window_.Route(msg, wparam, lparam, [this](int c) { Run(c); }))
    return *routed;
  return DefWindowProcA(hwnd_, msg, wparam, lparam);
}

void TMainForm1::Run(int command) {
  if (behaviour_) behaviour_->Run_Command(command);
}

void TMainForm1::Files_Dropped(HDROP drop) {
  // The shell's calls, looked up at the first drop: nothing else of the window needs
  // the shell's library.
  using platform::win32_impl::System_Function;
  static auto* const query =
      System_Function<decltype(DragQueryFileA)>("shell32.dll", "DragQueryFileA");
  static auto* const finish = System_Function<decltype(DragFinish)>("shell32.dll", "DragFinish");
  if (!query || !finish) return;
  std::vector<std::string> paths;
  const UINT count = query(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = query(drop, i, nullptr, 0);
    std::string path(length + 1, '\0');
    query(drop, i, path.data(), length + 1);
    path.resize(length);
    paths.push_back(std::move(path));
  }
  finish(drop);
  Guarded([&] { behaviour_->Files_Dropped(paths); });
}

}  // namespace keldra::ui::win32
