#pragma once
// Message boxes that show nothing: each records its kind and text and gives the
// answer the test queued (the escape button when none is queued).
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace keldra::test {

class Scripted_Message_Boxes final : public platform::Message_Boxes {
 public:
  struct Shown {
    platform::Message_Kind kind;
    std::string title;
    std::string text;
    unsigned buttons;
    platform::Message_Button default_button;
    platform::Message_Button escape_button;
  };

  platform::Message_Button Show_Message(platform::Message_Kind kind, const std::string& text,
                                        unsigned buttons, platform::Message_Button default_button,
                                        platform::Message_Button escape_button) override {
    shown.push_back(
        {kind, platform::Message_Title(kind), text, buttons, default_button, escape_button});
    if (while_open) while_open();
    if (answers.empty()) return escape_button;
    platform::Message_Button a = answers.front();
    answers.pop_front();
    return a;
  }
  void Show_Error(const std::string& title, const std::string& message) override {
    errors.push_back(title + ": " + message);
    if (while_open) while_open();
  }

  std::vector<Shown> shown;
  std::vector<std::string> errors;  // "application title: message"
  std::deque<platform::Message_Button> answers;
  // Runs while a box is "on screen", as timer ticks would.
  std::function<void()> while_open;
};

}  // namespace keldra::test
