#pragma once
// The About box as its behaviour sees it, whatever draws it: the texts it shows,
// its timers and animation, its controls moved and hidden, and being shown and closed.
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
  // A control of the box by its described name: shown or hidden; moved to a place in
  // its parent, its size kept; given a text (an auto-sized one fits it); given a hint.
  virtual void Show_Control(const std::string& name, bool shown) = 0;
  virtual void Move_Control(const std::string& name, int left, int top) = 0;
  virtual void Set_Control_Text(const std::string& name, const std::string& text) = 0;
  virtual void Set_Control_Hint(const std::string& name, const std::string& hint) = 0;
  virtual void Show_Modal() = 0;
  // Hidden, never destroyed: the box is shown again from the same state.
  virtual void Close() = 0;
};

}  // namespace keldra::ui
