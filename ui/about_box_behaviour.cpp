#include "ui/about_box_behaviour.h"

#include <chrono>

#include "platform/module_path.h"
#include "ui/about_box_description.h"
#include "ui/about_texts.h"

namespace keldra::ui {

const std::vector<std::string>& About_Quotes() {
  static const std::vector<std::string> quotes = {
      "I hope this program makes your work a little simpler, your play a little better, or "
      "your day a bit easier.",
      "If you have any comments, suggestions, improvements, or feedback, please email me.",
      "Useful software needn't take up Gigabytes of disk space, and my catalog of software "
      "proves this.",
      "Please support my efforts with a PayPal donation.",
  };
  return quotes;
}

About_Box_Behaviour::About_Box_Behaviour(About_Box_View& view, Services services)
    : view_(view),
      services_(std::move(services)),
      product_name_(About_Box_Description().Control(about_box_names::Product_Name_Label).text) {}

void About_Box_Behaviour::Fill_About_Box_Texts(
    Application_Title& title, const std::function<void(const std::string&)>& set_main_caption) {
  title.text = Product_Title;
  set_main_caption(Product_Title);
  view_.Set_Field(About_Field::Caption, About_Caption);
  product_name_ = Product_Title;
  view_.Set_Field(About_Field::Product_Name, product_name_);
  view_.Set_Field(About_Field::Author_and_Date, Author_Line() + ", " + Release_Date);
  view_.Set_Field(About_Field::Developed_Using, Developed_Using_Line(services_.toolkit));
  view_.Set_Field(About_Field::Copyright,
                  Copyright_Line() + std::to_string(services_.current_year()));
  view_.Set_Field(About_Field::Comments_Lead_In, Comments_Lead_In());
  view_.Set_Field(About_Field::Web_Page_Lead_In, Web_Page_Lead_In());
  email_ = ui::Email_Address();
  web_ = ui::Web_Address();
  donation_ = Donation_Address_Part_1() + Donation_Address_Part_2();
  view_.Set_Field(About_Field::Email_Address, email_);
  view_.Set_Field(About_Field::Web_Address, web_);
  view_.Set_Field(About_Field::Donation_Address, donation_);
}

void About_Box_Behaviour::Run_Command(int command) {
  switch (command) {
    case About_OK: OKButtonClick(); break;
    case About_Email: Email_ButtonClick(); break;
    case About_Web: WEB_ButtonClick(); break;
    case About_Donation: PayPal_Donations_LabelClick(); break;
    case About_Quote_Timer: Quote_Change_TimerTimer(); break;
    case About_Resources_Timer: Free_Resources_TimerTimer(); break;
    default: break;
  }
}

void About_Box_Behaviour::FormActivate() {
  random_.seed(static_cast<std::mt19937::result_type>(
      std::chrono::steady_clock::now().time_since_epoch().count()));
  view_.Set_Running(true);
  Quote_Change_TimerTimer();
  Free_Resources_TimerTimer();
  Show_Links_As_Labels();
}

// The two address buttons give way to their labels, which take their places (each
// label keeps its own left edge), their captions and a hint each.
void About_Box_Behaviour::Show_Links_As_Labels() {
  const Window_Description& d = About_Box_Description();
  const struct {
    const char* label;
    const char* button;
    const std::string& address;
    const char* hint;
  } links[] = {{about_box_names::Email_Address_Label, about_box_names::Email_Button, email_,
                "Click to send an E-Mail to Vantrel."},
               {about_box_names::WEB_Address_Label, about_box_names::WEB_Button, web_,
                "Click to visit Vantrel's WEB Page."}};
  for (const auto& link : links) {
    view_.Show_Control(link.button, false);
    view_.Set_Control_Text(link.label, link.address);
    view_.Move_Control(link.label, d.Control(link.label).box.left, d.Control(link.button).box.top);
    view_.Set_Control_Hint(link.label, link.hint);
  }
}

void About_Box_Behaviour::OKButtonClick() {
  view_.Set_Running(false);
  view_.Close();
}

void About_Box_Behaviour::Closed() { view_.Set_Running(false); }

void About_Box_Behaviour::Quote_Change_TimerTimer() {
  const std::vector<std::string>& quotes = About_Quotes();
  std::uniform_int_distribution<std::size_t> pick(0, quotes.size() - 1);
  view_.Set_Field(About_Field::Quote, quotes[pick(random_)]);
}

void About_Box_Behaviour::Free_Resources_TimerTimer() {
  view_.Set_Field(About_Field::Free_Resources, services_.memory_free_percent());
}

void About_Box_Behaviour::Shell_Open(const std::string& target) {
  if (target.empty()) return;
  // The handler's answer is not examined: the desktop reports its own failures.
  services_.launcher.Open_Address(target);
}

void About_Box_Behaviour::Email_ButtonClick() {
  if (email_.empty()) return;  // no address, no link
  Shell_Open(Email_Target(email_, platform::File_Name_Of(services_.executable_path)));
}

void About_Box_Behaviour::WEB_ButtonClick() { Shell_Open(web_); }

void About_Box_Behaviour::PayPal_Donations_LabelClick() { Shell_Open(donation_); }

}  // namespace keldra::ui
