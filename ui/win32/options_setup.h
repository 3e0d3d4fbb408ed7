#pragma once
// TOptions_Setup, the native Windows face of the options dialog: built from its
// description, passing its events to Options_Setup_Behaviour.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/drive_table.h"
#include "platform/message_boxes.h"
#include "ui/options_setup_behaviour.h"
#include "ui/options_setup_view.h"
#include "ui/win32/drive_chooser.h"
#include "ui/win32/spin_edit.h"
#include "ui/win32/win32_fonts.h"
#include "ui/window_description.h"

namespace keldra::ui::win32 {

enum Options_Control_Id : int {
  ID_DriveComboBox1 = 201,
  ID_AddButton,
  ID_ListBox1,
  ID_SpinEdit1,
  ID_OKButton,
  ID_Max_Drives_SpinEdit,
  ID_Show_Total_of_All_Drives_CheckBox,
  ID_Always_On_Top_CheckBox,
  ID_Arrow_Text,
};

inline constexpr UINT_PTR Chooser_Timer_Id = 1;

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

  std::unique_ptr<Drive_Chooser> DriveComboBox1;
  HWND AddButton = nullptr;
  HWND ListBox1 = nullptr;
  std::unique_ptr<Spin_Edit> SpinEdit1;
  HWND OKButton = nullptr;
  HWND Max_Drives_SpinEdit = nullptr;
  HWND Show_Total_of_All_Drives_CheckBox = nullptr;
  HWND Always_On_Top_CheckBox = nullptr;

  // For the window procedure.
  void Created(HWND hwnd) { hwnd_ = hwnd; }
  LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  void Create_Controls(const std::string& decimal_separator);
  void Create_Fixed_Texts();
  void Draw_Arrow(const DRAWITEMSTRUCT& item);
  void Run_Command(int command);
  HFONT Font(const Font_Description& font);

  Fonts& fonts_;
  HWND owner_;
  HWND hwnd_ = nullptr;
  HWND hints_ = nullptr;
  Options_Setup_Behaviour& behaviour_;
  std::map<int, int> commands_;  // each control's click, by its id
  bool open_ = false;
  bool shown_before_ = false;
};

}  // namespace keldra::ui::win32
