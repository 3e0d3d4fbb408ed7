#pragma once
// Message boxes drawn by Qt: the kind's title and icon, buttons captioned as
// platform::Button_Caption says.
#include "platform/message_boxes.h"

class QWidget;

namespace keldra::ui {

class Qt_Message_Boxes final : public platform::Message_Boxes {
 public:
  platform::Message_Button Show_Message(platform::Message_Kind kind, const std::string& text,
                                        unsigned buttons, platform::Message_Button default_button,
                                        platform::Message_Button escape_button) override;
  void Show_Error(const std::string& application_title, const std::string& message) override;
};

}  // namespace keldra::ui
