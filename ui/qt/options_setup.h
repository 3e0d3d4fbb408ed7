#pragma once
// TOptions_Setup: the Qt face of the options dialog: its controls, their fixed
// texts and layout, and the wiring of their events to Options_Setup_Behaviour.
#include <QDialog>
#include <string>

#include "ui/options_setup_behaviour.h"
#include "ui/options_setup_view.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace keldra::ui {

class Drive_Chooser;
class Spin_Edit;

class TOptions_Setup : public QDialog, public Options_Setup_View {
  Q_OBJECT

 public:
  TOptions_Setup(Options_Setup_Behaviour& behaviour, const std::string& decimal_separator,
                 QWidget* parent = nullptr);

  // Options_Setup_View
  void Show_Entries(const std::vector<std::string>& entries) override;
  void Show_Interval_Text(const std::string& text) override;
  void Show_Chooser(const std::vector<monitor::Chooser_Entry>& entries,
                    std::optional<std::size_t> current) override;
  void Show_Drive_Limit(int limit) override;
  void Show_Total_Checked(bool on) override;
  void Show_Always_On_Top_Checked(bool on) override;
  void Show_Modal() override { exec(); }
  void Close() override;
  std::optional<int> Selected_Entry() const override;

  Drive_Chooser* DriveComboBox1 = nullptr;
  QPushButton* AddButton = nullptr;
  QListWidget* ListBox1 = nullptr;
  Spin_Edit* SpinEdit1 = nullptr;
  QPushButton* OKButton = nullptr;
  QSpinBox* Max_Drives_SpinEdit = nullptr;
  QCheckBox* Show_Total_of_All_Drives_CheckBox = nullptr;
  QCheckBox* Always_On_Top_CheckBox = nullptr;
  QTimer* Chooser_Timer = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Create_Fixed_Texts();
  void Create_Controls(const std::string& decimal_separator);
  void Run_Command(int command);

  Options_Setup_Behaviour& behaviour_;
  bool shown_before_ = false;
  bool keyboard_moved_ = false;
};

}  // namespace keldra::ui
