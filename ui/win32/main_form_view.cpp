// The main window as its behaviour sees it: the rows, the frame's place and the
// client's size (also while the window is minimised), keeping above, show states,
// the menu's marks, the caption, the indicator and Timer1.
#include <algorithm>
#include <string>

#include "ui/main_form_description.h"
#include "ui/win32/controls.h"
#include "ui/win32/main_form.h"
#include "ui/win32/percent_gauge.h"

namespace keldra::ui::win32 {
namespace {

int Width(RECT r) { return r.right - r.left; }
int Height(RECT r) { return r.bottom - r.top; }

}  // namespace

int TMainForm1::Row_Control(int row, monitor::Row_Control control) const {
  switch (control) {
    case monitor::Row_Control::Label: return ID_Drive_Label_ + row;
    case monitor::Row_Control::Gauge: return ID_Drive_Pct_Free_ + row;
    case monitor::Row_Control::Free: break;
  }
  return ID_Drive_Free_ + row;
}

void TMainForm1::Set_Visible(int row, monitor::Row_Control control, bool visible) {
  drawn_.Set_Visible(Row_Control(row, control), visible);
}

void TMainForm1::Set_Caption(int row, monitor::Row_Control control, std::string_view caption) {
  // The labels grow and shrink with their text.
  const int id = Row_Control(row, control);
  drawn_.Set_Text(id, std::string(caption), true, drawn_.Get(id).described->box.height);
}

int TMainForm1::Set_Gauge_Progress(int row, int value) {
  return drawn_.Set_Progress(ID_Drive_Pct_Free_ + row, value);
}

void TMainForm1::Set_Bar_Color(int row, monitor::Bar_Color color) {
  drawn_.Set_Bar(ID_Drive_Pct_Free_ + row, Bar_Colour_Rgb(color));
}

int TMainForm1::Gauge_Top(int row) const { return drawn_.Get(ID_Drive_Pct_Free_ + row).box.top; }

int TMainForm1::Gauge_Height(int row) const {
  return drawn_.Get(ID_Drive_Pct_Free_ + row).box.height;
}

// A minimised window's own rectangle is the icon's, far off screen: its place and
// size are those it will have when restored. (The restored place is kept in
// workspace coordinates, which match the screen's unless a taskbar sits at the
// top or left.)
RECT TMainForm1::Normal_Frame() const {
  if (IsIconic(hwnd_)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    return placement.rcNormalPosition;
  }
  RECT r;
  GetWindowRect(hwnd_, &r);
  return r;
}

void TMainForm1::Set_Normal_Frame(RECT frame) {
  if (IsIconic(hwnd_)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    placement.rcNormalPosition = frame;
    SetWindowPlacement(hwnd_, &placement);
    return;
  }
  SetWindowPos(hwnd_, nullptr, frame.left, frame.top, Width(frame), Height(frame),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int TMainForm1::Frame_Left() const { return Normal_Frame().left; }
int TMainForm1::Frame_Top() const { return Normal_Frame().top; }

void TMainForm1::Move_Frame(int left, int top) {
  RECT r = Normal_Frame();
  OffsetRect(&r, left - r.left, top - r.top);
  Set_Normal_Frame(r);
}

// The frame's size less the client's: borders, caption and the menu bar, which
// wraps onto more lines when the window is narrow.
static SIZE Frame_Extra(HWND hwnd, int client_width) {
  RECT r{0, 0, client_width, 0};
  if (!IsIconic(hwnd)) {
    RECT frame, client;
    GetWindowRect(hwnd, &frame);
    GetClientRect(hwnd, &client);
    return SIZE{Width(frame) - client.right, Height(frame) - client.bottom};
  }
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)), TRUE,
                     static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE)));
  return SIZE{Width(r) - client_width, Height(r)};
}

// The client's size is told and asked at 96 dots per inch, as the rows are laid
// out; the frame's place is the screen's own.
int TMainForm1::Client_Width() const {
  if (IsIconic(hwnd_))
    return Unscaled(Width(Normal_Frame()) - Frame_Extra(hwnd_, 0).cx, window_.Dpi());
  RECT client;
  GetClientRect(hwnd_, &client);
  return Unscaled(client.right, window_.Dpi());
}

int TMainForm1::Client_Height() const {
  if (IsIconic(hwnd_))
    return Unscaled(Height(Normal_Frame()) - Frame_Extra(hwnd_, 0).cy, window_.Dpi());
  RECT client;
  GetClientRect(hwnd_, &client);
  return Unscaled(client.bottom, window_.Dpi());
}

int TMainForm1::Narrowest_Client_Width() const {
  // As narrow as the system lets a user make it.
  return Unscaled(GetSystemMetrics(SM_CXMINTRACK) - Frame_Extra(hwnd_, 0).cx, window_.Dpi());
}

void TMainForm1::Set_Client_Width(int width) {
  const int height = Client_Height();
  RECT r = Normal_Frame();
  const int pixels = Scaled(width, window_.Dpi());
  r.right = r.left + pixels + Frame_Extra(hwnd_, pixels).cx;
  Set_Normal_Frame(r);
  Set_Client_Height(height);  // a menu bar that now wraps differently does not eat the rows
}

void TMainForm1::Set_Client_Height(int height) {
  // Twice at most: the first change of size may wrap the menu bar differently.
  for (int attempt = 0; attempt < 2 && Client_Height() != height; ++attempt) {
    RECT r = Normal_Frame();
    r.bottom = r.top + Scaled(height, window_.Dpi()) +
               Frame_Extra(hwnd_, Scaled(Client_Width(), window_.Dpi())).cy;
    Set_Normal_Frame(r);
    if (IsIconic(hwnd_)) break;
  }
}

void TMainForm1::Set_Keep_Above(bool above) {
  SetWindowPos(hwnd_, above ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);  // 0x13
}

void TMainForm1::Show_Window(int show_command) {
  shown_by_sequence_ = true;
  ShowWindow(hwnd_, show_command);
}

// The system leaves the state before ShowWindow returns.
void TMainForm1::Restore_Normal_State(std::function<void()> then) {
  if (IsIconic(hwnd_) || IsZoomed(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  then();
}

void TMainForm1::Show_Mark(Menu_Mark_Item item, bool checked) {
  const UINT id = item == Menu_Mark_Item::Always_On_Top ? ID_Always_on_Top_Option
                                                        : ID_Auto_Run_at_Windows_Startup_Option;
  CheckMenuItem(FileMenu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TMainForm1::Set_Window_Caption(const std::string& caption) {
  SetWindowTextA(hwnd_, caption.c_str());
}

void TMainForm1::Set_Spinner_Text(const std::string& text) {
  drawn_.Set_Text(ID_Spinner_Label, text, false, 0);
}

void TMainForm1::Set_Ticks(std::optional<int> period_ms) {
  window_.Set_Timer(main_form_names::Timer1, period_ms);
}

}  // namespace keldra::ui::win32
