#pragma once
// The About box's behaviour: its texts filled by the show sequence, the steps run
// each time it becomes active, the rotating quote and memory figure, closing, and
// the three links handed to the desktop's URL handler.
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/launcher.h"
#include "ui/about_box_view.h"
#include "ui/about_texts.h"

namespace keldra::ui {

// The application title: the taskbar text and the title of the standard error box.
struct Application_Title {
  std::string text = "Set by Application.";
};

// The quotes the box rotates through, in their list order.
const std::vector<std::string>& About_Quotes();

class About_Box_Behaviour {
 public:
  struct Services {
    platform::Launcher& launcher;
    std::string executable_path;
    std::function<int()> current_year;  // the system date's year
    std::function<std::string()> memory_free_percent;
    Face_Toolkit toolkit = Face_Toolkit::Qt_Widgets;  // what the window is built with
  };
  About_Box_Behaviour(About_Box_View& view, Services services);

  // Titles and texts: the application title and the main window's caption (through
  // set_main_caption), the box's caption, the product, author, tools and copyright
  // lines (with the year of today's date), the lead-ins and the three addresses.
  void Fill_About_Box_Texts(Application_Title& title,
                            const std::function<void(const std::string&)>& set_main_caption);

  void About1Click() { view_.Show_Modal(); }
  // What a click, a key or a tick names in the box's description (About_Box_Command).
  void Run_Command(int command);
  void FormActivate();
  void OKButtonClick();  // OK, Enter and Escape
  void Closed();         // however else it went: the window manager's close, Alt+F4
  void Quote_Change_TimerTimer();
  void Free_Resources_TimerTimer();
  void Email_ButtonClick();
  void WEB_ButtonClick();
  void PayPal_Donations_LabelClick();
  // Hands a target to the desktop's URL handler; an empty one does nothing.
  void Shell_Open(const std::string& target);

  const std::string& Product_Name() const { return product_name_; }
  const std::string& Email_Address() const { return email_; }
  const std::string& Web_Address() const { return web_; }
  const std::string& Donation_Address() const { return donation_; }

 private:
  void Show_Links_As_Labels();

  About_Box_View& view_;
  Services services_;
  std::mt19937 random_;
  std::string product_name_;  // the label's design caption until the texts are filled
  std::string email_;
  std::string web_;
  std::string donation_;
};

}  // namespace keldra::ui
