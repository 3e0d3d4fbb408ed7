#pragma once
// TAboutBox: names the product and its makers, shows a rotating quote and the
// free-memory figure, and offers three links. Created hidden at start-up, shown
// modally from the Help menu, hidden again (never destroyed) when closed.
#include <QDialog>
#include <functional>
#include <random>
#include <string>

#include "platform/launcher.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QFrame;

namespace keldra::ui {

class Animated_Picture;
class TMainForm1;
struct Application_Title;

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  struct Services {
    platform::Launcher& launcher;
    std::string executable_path;
    std::function<int()> current_year;  // the system date's year
    std::function<std::string()> memory_free_percent;
  };
  TAboutBox(Services services, QWidget* parent = nullptr);

  // Titles and texts: the application title and the main window's caption, the
  // box's caption, the product, author, tools and copyright lines (with the year of
  // today's date), the lead-ins and the three addresses.
  void Fill_About_Box_Texts(TMainForm1& main, Application_Title& title);

  void FormActivate();
  void OKButtonClick();
  void Quote_Change_TimerTimer();
  void Free_Resources_TimerTimer();
  void Email_ButtonClick();
  void WEB_ButtonClick();
  void PayPal_Donations_LabelClick();
  // Hands a target to the desktop's URL handler; an empty one does nothing.
  void Shell_Open(const std::string& target);

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
  Services services_;
  bool artwork_drawn_ = false;
  std::mt19937 random_;
};

}  // namespace keldra::ui
