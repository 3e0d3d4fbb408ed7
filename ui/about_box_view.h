#pragma once
// The About box as its behaviour sees it, whatever draws it: the texts it shows,
// its timers and animation, the links shown as labels, and being shown and closed.
#include <string>

namespace keldra::ui {

enum class About_Field {
  Caption,  // the box's own title
  Product_Name,
  Author_and_Date,
  Developed_Using,
  Copyright,
  Comments_Lead_In,
  Web_Page_Lead_In,
  Email_Address,     // the e-mail button's caption
  Web_Address,       // the web button's caption
  Donation_Address,  // the hidden label holding the donation address
  Quote,
  Free_Resources,
};

class About_Box_View {
 public:
  virtual ~About_Box_View() = default;
  virtual void Set_Field(About_Field field, const std::string& text) = 0;
  // The quote timer (10 s), the memory timer (0.5 s) and the logo's animation.
  virtual void Set_Running(bool running) = 0;
  // The two address buttons hidden and their labels put in their place, with the
  // buttons' captions and the given hints; hand cursors on everything clickable.
  virtual void Show_Links_As_Labels(const std::string& email_hint, const std::string& web_hint) = 0;
  virtual void Show_Modal() = 0;
  // Hidden, never destroyed: the box is shown again from the same state.
  virtual void Close() = 0;
};

}  // namespace keldra::ui
