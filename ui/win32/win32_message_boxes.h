#pragma once
// The message boxes as Windows shows them: MessageBoxA with the kind's icon and
// title, its buttons captioned as platform::Button_Caption says whatever the
// system's language (the Yes and Cancel pair included, which MessageBoxA has no
// style for), and the standard error box titled with the application title.
#include "platform/message_boxes.h"

namespace keldra::ui::win32 {

class Win32_Message_Boxes final : public platform::Message_Boxes {
 public:
  platform::Message_Button Show_Message(platform::Message_Kind kind, const std::string& text,
                                        unsigned buttons, platform::Message_Button default_button,
                                        platform::Message_Button escape_button) override;
  void Show_Error(const std::string& application_title, const std::string& message) override;
};

}  // namespace keldra::ui::win32
