#pragma once
// TMainForm1, the native Windows face of the main window: the 27 DriveRows of
// letter label, gauge and text label, the activity indicator and the column
// heading, all drawn by the window itself; the hidden refresh button, the menu
// bar, Timer1 and the hints. What the window does is Main_Form_Behaviour's; this
// class keeps the controls, draws them and passes the window's messages on.
#include <windows.h>

#include <array>
#include <map>
#include <optional>
#include <string>

#include "monitor/drive_rows.h"
#include "ui/main_form_behaviour.h"
#include "ui/main_form_view.h"
#include "ui/win32/described_window.h"
#include "ui/win32/dpi.h"
#include "ui/win32/drawn_controls.h"
#include "ui/win32/win32_fonts.h"

namespace keldra::ui::win32 {

// The menu items' command identifiers.
enum Main_Menu_Id : int {
  ID_RefreshOption = 101,
  ID_SettingsOption,
  ID_Always_on_Top_Option,
  ID_Auto_Run_at_Windows_Startup_Option,
  ID_Restore_Factory_Defaults_Option,
  ID_ExitOption,
  ID_View_Readme_file_Option,
  ID_View_Shareware_Catalog_Option,
  ID_AboutOption,
};

// Row N's controls have the identifiers base + N, and their Tag is N.
enum Main_Control_Id : int {
  ID_Drive_Label_ = 1000,
  ID_Drive_Pct_Free_ = 1100,
  ID_Drive_Free_ = 1200,
  ID_Spinner_Label = 1300,
  ID_Free_Used_Label,
  ID_Refresh_Button,
};

class TMainForm1 final : public Main_Form_View {
 public:
  explicit TMainForm1(Fonts& fonts);
  ~TMainForm1() override;
  TMainForm1(const TMainForm1&) = delete;
  TMainForm1& operator=(const TMainForm1&) = delete;

  void Attach(Main_Form_Behaviour& behaviour) { behaviour_ = &behaviour; }
  HWND Handle() const { return hwnd_; }
  // The first showing: runs the show sequence, whose own step shows the window in
  // the launcher's state; when the sequence stops before that step, the window is
  // shown all the same.
  void Show();

  // Main_Form_View
  void Set_Visible(int row, monitor::Row_Control control, bool visible) override;
  void Set_Caption(int row, monitor::Row_Control control, std::string_view caption) override;
  int Set_Gauge_Progress(int row, int value) override;
  void Set_Bar_Color(int row, monitor::Bar_Color color) override;
  int Gauge_Top(int row) const override;
  int Gauge_Height(int row) const override;
  int Client_Height() const override;
  void Set_Client_Height(int height) override;
  void Rows_Updated() override {}
  int Frame_Left() const override;
  int Frame_Top() const override;
  void Move_Frame(int left, int top) override;
  int Client_Width() const override;
  void Set_Client_Width(int width) override;
  int Narrowest_Client_Width() const override;
  void Set_Keep_Above(bool above) override;
  void Show_Window(int show_command) override;
  void Restore_Normal_State(std::function<void()> then) override;
  void Show_Mark(Menu_Mark_Item item, bool checked) override;
  void Set_Window_Caption(const std::string& caption) override;
  void Set_Spinner_Text(const std::string& text) override;
  void Request_Close() override { SendMessageA(hwnd_, WM_CLOSE, 0, 0); }
  void Set_Ticks(std::optional<int> period_ms) override;

  // The drawn controls, by their identifiers (Main_Control_Id).
  const Drawn_Control& Control(int id) const { return drawn_.Get(id); }
  HWND Refresh_Button = nullptr;
  HWND Hints = nullptr;  // the tooltip window that shows the controls' hints, once given
  HMENU MainMenu1 = nullptr;
  HMENU FileMenu = nullptr;
  HMENU Help1 = nullptr;

  // For the window procedure.
  void Created(HWND hwnd) { hwnd_ = hwnd; }
  LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  void Give_Hints();
  void Run(int command);
  HFONT Font_Of(const Drawn_Control& c);
  void Files_Dropped(HDROP drop);
  template <typename F>
  void Guarded(F&& routine) {
    if (behaviour_) behaviour_->Guarded(std::forward<F>(routine));
  }
  int Row_Control(int row, monitor::Row_Control control) const;
  void Paint();
  RECT Place(const Box& b) const { return window_.Place(b); }
  // The outer frame and client sizes of a normal window, also while minimised.
  RECT Normal_Frame() const;
  void Set_Normal_Frame(RECT frame);

  Described_Window window_;
  HWND hwnd_ = nullptr;
  Drawn_Controls drawn_{[this](const Drawn_Control& c, const std::string& text) {
                          // Measured at the window's dots per inch, kept at 96,
                          // rounded up so that nothing of the text is cut.
                          const SIZE size = Text_Size(Font_Of(c), text);
                          return Text_Extent{Unscaled_Up(size.cx, window_.Dpi()),
                                             Unscaled_Up(size.cy, window_.Dpi())};
                        },
                        [this](const Box& b, bool erase) {
                          const RECT r = Place(b);
                          InvalidateRect(hwnd_, &r, erase ? TRUE : FALSE);
                        }};
  Main_Form_Behaviour* behaviour_ = nullptr;
  bool shown_by_sequence_ = false;
};

}  // namespace keldra::ui::win32
