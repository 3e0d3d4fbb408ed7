#include "platform/message_boxes.h"

namespace keldra::platform {

const char* Message_Title(Message_Kind kind) {
  switch (kind) {
    case Message_Kind::Warning: return "Warning";
    case Message_Kind::Error: return "Error";
    case Message_Kind::Confirm: return "Confirm";
    case Message_Kind::Information: break;
  }
  return "Information";
}

const char* Button_Caption(Message_Button button) {
  switch (button) {
    case Button_Yes: return "&Yes";
    case Button_No: return "&No";
    case Button_Cancel: return "Cancel";
    default: break;
  }
  return "OK";
}

}  // namespace keldra::platform
