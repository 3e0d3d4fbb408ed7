#pragma once
// TOptions_Setup, the native Windows face of the options dialog: built from its
// description, passing its events to Options_Setup_Behaviour.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/drive_table.h"
#include "platform/message_boxes.h"
#include "ui/options_setup_behaviour.h"
#include "ui/options_setup_view.h"
#include "ui/win32/described_window.h"
#include "ui/win32/drive_chooser.h"
#include "ui/win32/spin_edit.h"
#include "ui/win32/win32_fonts.h"
#include "ui/window_description.h"

namespace keldra::ui::win32 {

class TOptions_Setup final : public Options_Setup_View {
 public:
  TOptions_Setup(HWND owner, Fonts& fonts, Options_Setup_Behaviour& behaviour,
                 const std::string& decimal_separator);
  ~TOptions_Setup() override;

  HWND Handle() const { return hwnd_; }
  bool Open() const { return open_; }

  // Options_Setup_View
  void Show_Entries(const std::vector<std::string>& entries) override;
  void Show_Interval_Text(const std::string& text) override;
  void Show_Chooser(const std::vector<monitor::Chooser_Entry>& entries,
                    std::optional<std::size_t> current) override;
  void Show_Drive_Limit(int limit) override;
  void Show_Total_Checked(bool on) override;
  void Show_Always_On_Top_Checked(bool on) override;
  void Show_Modal() override;
  void Close() override;
  std::optional<int> Selected_Entry() const override;
  bool Checked(const std::string& name) const override;

  HWND Control(const std::string& name) const { return window_.Control(name); }
  std::unique_ptr<Drive_Chooser> DriveComboBox1;
  std::unique_ptr<Spin_Edit> SpinEdit1;

  // For the window procedure.
  void Created(HWND hwnd) { hwnd_ = hwnd; }
  LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  void Draw_Arrow(const DRAWITEMSTRUCT& item);

  Described_Window window_;
  HWND owner_;
  HWND hwnd_ = nullptr;
  Options_Setup_Behaviour& behaviour_;
  int chooser_id_ = 0, arrow_id_ = 0;
  bool open_ = false;
  bool shown_before_ = false;
};

}  // namespace keldra::ui::win32
