#pragma once
// TMainForm1: the narrow window with its 27 DriveRows, the activity indicator, the
// column heading, the refresh timer and the menu. It holds the run-time settings
// in its controls and routes every command to the routine that owns the work.
#include <QMainWindow>
#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "monitor/disk_queries.h"
#include "monitor/drive_rows.h"
#include "platform/drive_table.h"
#include "platform/launcher.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "settings/settings_holder.h"
#include "ui/menu_mark.h"
#include "ui/refresh_timer.h"

class QLabel;
class QMenu;
class QPushButton;

namespace keldra::ui {

class Percent_Gauge;
class TAboutBox;
class TOptions_Setup;
class Window_Stacking;

// The application title: the taskbar text and the title of the standard error box.
struct Application_Title {
  std::string text = "Set by Application.";
};

class TMainForm1 : public QMainWindow,
                   public monitor::Drive_Rows,
                   public monitor::Refresh_Inputs,
                   public settings::Settings_Holder {
  Q_OBJECT

 public:
  struct Services {
    monitor::Disk_Queries& queries;
    const platform::Drive_Table& drives;
    platform::Message_Boxes& boxes;
    platform::Registry& registry;
    platform::Launcher& launcher;
    Window_Stacking& stacking;
    Application_Title& title;
    std::string executable_path;
  };

  explicit TMainForm1(Services services);
  ~TMainForm1() override;

  // The options dialog is created after this window and handed over before the
  // first show; the refresh pass reads its limit and total-row box.
  void Set_Options_Dialog(TOptions_Setup* dialog) { options_ = dialog; }
  // The About box, created after this window: the show sequence fills its texts
  // and the Help menu shows it.
  void Set_About_Box(TAboutBox* box) { about_ = box; }

  // The routines of the window.
  void Refresh_All_Drives();
  void Timer1Timer();
  void Toggle_Always_on_Top();
  void Apply_Startup_Show_State();
  void FormShow();        // the show sequence
  bool FormCloseQuery();  // saves; false refuses the close
  void SettingsOptionClick();
  void Restore_Factory_Defaults_OptionClick();
  // Brings a minimised or maximised window back to its normal state, as the
  // factory reset does before it places the window.
  void Restore_Normal_State();
  void Auto_Run_at_Windows_Startup_OptionClick();
  void View_Readme_file_OptionClick();
  void View_Shareware_Catalog_OptionClick();
  void About1Click();
  // The drop handler's work: each local path's drive added once, then one pass.
  void Files_Dropped(const std::vector<std::string>& paths);

  // Shows an error that escaped a handler, once: a report identical to one still on
  // screen (a timer tick failing again behind its box) is not stacked on it.
  void Report_Error(const std::string& message);
  template <typename F>
  void Guarded(F&& routine) {
    try {
      routine();
    } catch (const std::exception& e) {
      Report_Error(e.what());
    }
  }

  // monitor::Drive_Rows
  void Set_Visible(int row, monitor::Row_Control control, bool visible) override;
  void Set_Caption(int row, monitor::Row_Control control, std::string_view caption) override;
  int Set_Gauge_Progress(int row, int value) override;
  void Set_Bar_Color(int row, monitor::Bar_Color color) override;
  int Gauge_Top(int row) const override;
  int Gauge_Height(int row) const override;
  int Client_Height() const override;
  void Set_Client_Height(int height) override;

  // monitor::Refresh_Inputs and settings::Settings_Holder
  std::string Monitored_Drive_Letters() const override { return letters_; }
  int Drive_Limit() const override;
  bool Show_Total() const override;
  int Window_Top() const override { return Frame_Position().y(); }
  void Set_Window_Top(int top) override { Move_Frame({Frame_Position().x(), top}); }
  int Window_Left() const override { return Frame_Position().x(); }
  void Set_Window_Left(int left) override { Move_Frame({left, Frame_Position().y()}); }
  int Client_Width() const override { return width(); }
  void Set_Client_Width(int width) override;
  std::uint32_t Timer_Interval() const override { return Timer1->Interval(); }
  void Set_Timer_Interval(std::uint32_t interval) override { Timer1->Set_Interval(interval); }
  void Set_Monitored_Drive_Letters(const std::string& letters) override { letters_ = letters; }
  void Set_Show_Total(bool on) override;
  bool Always_On_Top_Mark() const override { return Always_on_Top_Option->Checked(); }
  void Set_Always_On_Top_Mark(bool on) override { Always_on_Top_Option->Set_Checked(on); }
  bool Auto_Run_Mark() const override { return Auto_Run_at_Windows_Startup_Option->Checked(); }
  void Set_Auto_Run_Mark(bool on) override { Auto_Run_at_Windows_Startup_Option->Set_Checked(on); }

  std::string Settings_Path() const;
  const Services& Platform() const { return services_; }

  // Controls, by their names.
  QWidget* Client_Area = nullptr;
  QLabel* Spinner_Label = nullptr;
  QLabel* Free_Used_Label = nullptr;
  QPushButton* Refresh_Button = nullptr;
  Refresh_Timer* Timer1 = nullptr;
  QMenu* FileMenu = nullptr;
  QMenu* Help1 = nullptr;
  QAction* RefreshOption = nullptr;
  QAction* SettingsOption = nullptr;
  Menu_Mark* Always_on_Top_Option = nullptr;
  Menu_Mark* Auto_Run_at_Windows_Startup_Option = nullptr;
  QAction* Restore_Factory_Defaults_Option = nullptr;
  QAction* ExitOption = nullptr;
  QAction* View_Readme_file_Option = nullptr;
  QAction* View_Shareware_Catalog_Option = nullptr;
  QAction* AboutOption = nullptr;

 protected:
  void setVisible(bool visible) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool Take_As_Copy(QDropEvent* event);
  std::vector<std::string> drag_paths_;  // the local files of the drag over the window
  void Create_Rows();
  void Create_Menu();
  int Menu_Height() const;
  // The outer frame's top-left, as last asked for until the system confirms a move.
  QPoint Frame_Position() const;
  void Move_Frame(QPoint frame_top_left);
  QWidget* Row_Control_Widget(int row, monitor::Row_Control control) const;

  Services services_;
  TOptions_Setup* options_ = nullptr;
  TAboutBox* about_ = nullptr;
  std::string letters_;
  bool shown_once_ = false;
  bool in_show_sequence_ = false;
  std::optional<QPoint> frame_target_;
  std::chrono::steady_clock::time_point frame_target_until_{};
  // The size last asked for, the ones asked for or replaced just before it, and
  // until when the window system reporting one of those is taken for a late answer.
  QSize size_target_;
  std::vector<QSize> sizes_asked_;
  std::chrono::steady_clock::time_point size_target_until_{};
  int size_retries_ = 0;
  void Resize_Window(QSize size);
  void Request_Frame(QPoint frame_top_left);
  std::string error_on_screen_;
  bool error_box_open_ = false;

  // Found by name prefix and Tag when the window is made.
  std::array<QLabel*, monitor::Drive_Row_Count> labels_{};
  std::array<Percent_Gauge*, monitor::Drive_Row_Count> gauges_{};
  std::array<QLabel*, monitor::Drive_Row_Count> frees_{};
  // Visibility the pass has asked for, applied once it is over: a row hidden as an
  // empty slot and shown again as the TotalRow then does not flicker or repaint.
  std::array<std::array<std::optional<bool>, 3>, monitor::Drive_Row_Count> pending_visible_{};
  void Apply_Pending_Visibility();
};

}  // namespace keldra::ui
