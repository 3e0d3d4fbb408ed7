#pragma once
// TOptions_Setup: the options dialog. Created once and kept for the run; besides
// being a dialog it holds two settings others read from its controls: the
// total-row box and the drive limit.
#include <QDialog>
#include <string>

#include "platform/drive_table.h"
#include "platform/message_boxes.h"
#include "settings/settings_holder.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace keldra::ui {

class Drive_Chooser;
class Spin_Edit;

class TOptions_Setup : public QDialog {
  Q_OBJECT

 public:
  TOptions_Setup(const platform::Drive_Table& table, platform::Message_Boxes& boxes,
                 const std::string& decimal_separator, QWidget* parent = nullptr);

  void Set_Drive_Limit();
  int Drive_Limit() const;
  bool Show_Total() const;
  void Set_Show_Total(bool on);
  void Always_On_Top_CheckBox_Set(bool on);
  bool Always_On_Top_CheckBox_Checked() const;

  // Loads the list and the interval from the main window's state.
  void Fill_Options_Dialog(const settings::Settings_Holder& main);
  // Takes them back: the interval in whole seconds, the letters in list order.
  void Read_Options_Dialog(settings::Settings_Holder& main);

  void AddButtonClick();
  void ListBox1Click();
  void FormActivate();

  Drive_Chooser* DriveComboBox1 = nullptr;
  QPushButton* AddButton = nullptr;
  QListWidget* ListBox1 = nullptr;
  Spin_Edit* SpinEdit1 = nullptr;
  QPushButton* OKButton = nullptr;
  QSpinBox* Max_Drives_SpinEdit = nullptr;
  QCheckBox* Show_Total_of_All_Drives_CheckBox = nullptr;
  QCheckBox* Always_On_Top_CheckBox = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Create_Fixed_Texts();
  void Create_Controls(const std::string& decimal_separator);

  platform::Message_Boxes& boxes_;
  const platform::Drive_Table& table_;
  QString limit_text_;
  bool shown_before_ = false;
  bool keyboard_moved_ = false;
};

}  // namespace keldra::ui
