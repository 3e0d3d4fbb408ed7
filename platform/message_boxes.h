#pragma once
// Every message Keldra shows goes through this one service: the four kinds of box
// with their fixed titles, and the standard error box. The window implements it
// with real boxes; tests hand in a scripted one.
#include <string>

namespace keldra::platform {

enum class Message_Kind { Information, Warning, Error, Confirm };

enum Message_Button : unsigned {
  Button_None = 0,
  Button_OK = 1,
  Button_Yes = 2,
  Button_No = 4,
  Button_Cancel = 8,
};

// "Information", "Warning", "Error", "Confirm".
const char* Message_Title(Message_Kind kind);
// "OK", "&Yes", "&No" or "Cancel", whatever the system's language.
const char* Button_Caption(Message_Button button);

class Message_Boxes {
 public:
  virtual ~Message_Boxes() = default;
  // A modal box. buttons is a set of Message_Button bits; the answer is the button
  // pressed, or escape_button when the box is closed without one.
  virtual Message_Button Show_Message(Message_Kind kind, const std::string& text, unsigned buttons,
                                      Message_Button default_button,
                                      Message_Button escape_button) = 0;
  // The standard error box: error icon, "OK", titled with the application title,
  // the message with a full stop added when its last character sorts after ".".
  virtual void Show_Error(const std::string& application_title, const std::string& message) = 0;

  // The everyday forms.
  void Inform(const std::string& text) {
    Show_Message(Message_Kind::Information, text, Button_OK, Button_OK, Button_OK);
  }
};

}  // namespace keldra::platform
