#pragma once
// TAboutBox: the Qt face of the About box: its controls, artwork and layout, and
// the wiring of their events to About_Box_Behaviour. Built the first time it is
// shown, modally from the Help menu, hidden again (never destroyed) when closed.
#include <QDialog>
#include <functional>
#include <string>

#include "ui/about_box_behaviour.h"
#include "ui/about_box_view.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QFrame;

namespace keldra::ui {

class Animated_Picture;

class TAboutBox : public QDialog, public ui::About_Box_View {
  Q_OBJECT

 public:
  explicit TAboutBox(ui::About_Box_Behaviour& behaviour, QWidget* parent = nullptr);

  // ui::About_Box_View
  void Set_Field(ui::About_Field field, const std::string& text) override;
  void Set_Running(bool running) override;
  void Show_Control(const std::string& name, bool shown) override;
  void Move_Control(const std::string& name, int left, int top) override;
  void Set_Control_Text(const std::string& name, const std::string& text) override;
  void Set_Control_Hint(const std::string& name, const std::string& hint) override;
  void Show_Modal() override { exec(); }
  void Close() override { accept(); }

  QGroupBox* GroupBox1 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QLabel* Vantrel_Logo_Banner_Image = nullptr;
  QFrame* Bevel1 = nullptr;
  Animated_Picture* Vantrel_Logo_GIFImage = nullptr;
  QLabel* Quote_From_Vantrel_Label = nullptr;
  QLabel* Product_Name_Label = nullptr;
  QLabel* Author_and_Date_Label = nullptr;
  QLabel* Developed_Using_Label = nullptr;
  QLabel* Copyright_Label = nullptr;
  QLabel* PayPal_Donations_Label = nullptr;
  QLabel* PayPal_Image = nullptr;
  QLabel* Comments_Label = nullptr;
  QLabel* WEB_Page_Label = nullptr;
  QLabel* Email_Address_Label = nullptr;
  QLabel* WEB_Address_Label = nullptr;
  QPushButton* Email_Button = nullptr;
  QPushButton* WEB_Button = nullptr;
  QLabel* PayPal_WEB_Address_Label = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Free_Resources_Label = nullptr;
  QPushButton* OKButton = nullptr;
  QFrame* Bevel3 = nullptr;
  QLabel* Badge_Logo = nullptr;
  QLabel* Badge_Label = nullptr;
  QListWidget* Quotes_From_Vantrel_ListBox = nullptr;
  QTimer* Quote_Change_Timer = nullptr;
  QTimer* Free_Resources_Timer = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Create_Controls();
  void Draw_Artwork();
  bool shown_before_ = false;
  ui::About_Box_Behaviour& behaviour_;
  bool artwork_drawn_ = false;
};

}  // namespace keldra::ui
