#pragma once
// TMainForm1: the narrow window with its 27 DriveRows, the activity indicator, the
// column heading, the refresh timer and the menu.
#include <QMainWindow>
#include <array>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/main_form_behaviour.h"
#include "ui/main_form_view.h"
#include "ui/qt/menu_mark.h"
#include "ui/qt/refresh_timer.h"

class QMenu;
class QPushButton;

namespace keldra::ui {

class Drawn_Area;
class Window_Stacking;

// The Qt face of the main window: its widgets, their painting and the wiring of
// their events to Main_Form_Behaviour, which holds what the window does.
class TMainForm1 : public QMainWindow, public Main_Form_View {
  Q_OBJECT

 public:
  explicit TMainForm1(Window_Stacking& stacking);
  ~TMainForm1() override;

  // The behaviour is made once the dialogs exist, and handed over before the
  // window is first shown.
  void Attach(Main_Form_Behaviour& behaviour) { behaviour_ = &behaviour; }
  Main_Form_Behaviour& Behaviour() const { return *behaviour_; }

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
  int Frame_Left() const override { return Frame_Position().x(); }
  int Frame_Top() const override { return Frame_Position().y(); }
  void Move_Frame(int left, int top) override;
  int Client_Width() const override { return width(); }
  void Set_Client_Width(int width) override;
  int Narrowest_Client_Width() const override { return minimumWidth(); }
  void Set_Keep_Above(bool above) override;
  void Show_Window(int show_command) override;
  void Restore_Normal_State(std::function<void()> then) override;
  void Show_Mark(Menu_Mark_Item item, bool checked) override;
  void Set_Window_Caption(const std::string& caption) override;
  void Set_Spinner_Text(const std::string& text) override;
  void Request_Close() override { close(); }
  void Set_Ticks(std::optional<int> period_ms) override { Timer1->Set_Period(period_ms); }

  // Controls, by their names; the labels and gauges are drawn by the client area.
  Drawn_Area* Client_Area = nullptr;
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
  // Runs a routine of the behaviour, any error it raises shown once.
  template <typename F>
  void Guarded(F&& routine) {
    behaviour_->Guarded(std::forward<F>(routine));
  }
  bool Take_As_Copy(QDropEvent* event);
  std::vector<std::string> drag_paths_;  // the local files of the drag over the window
  void Create_Rows();
  void Create_Menu();
  // Runs a command the description names, through the behaviour.
  void Run(int command);
  std::map<std::string, Menu_Mark*> marks_;
  int Menu_Height() const;
  // The outer frame's top-left, as last asked for until the system confirms a move.
  QPoint Frame_Position() const;
  int Row_Control_Id(int row, monitor::Row_Control control) const;

  Window_Stacking& stacking_;
  Main_Form_Behaviour* behaviour_ = nullptr;
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

  // Each drawn control's number is its place in the description; the rows' are found
  // by name prefix and Tag when the window is made.
  std::array<int, monitor::Drive_Row_Count> labels_{};
  std::array<int, monitor::Drive_Row_Count> gauges_{};
  std::array<int, monitor::Drive_Row_Count> frees_{};
  int spinner_ = 0;
};

}  // namespace keldra::ui
