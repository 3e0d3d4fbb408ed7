// The message boxes as Windows shows them: titles, icons' kinds and the button
// captions the program's messages name, read from the real box while it is open.
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/fakes/wait_until.h"
#include "ui/win32/win32_message_boxes.h"

namespace keldra::test {
namespace {

struct Seen_Box {
  std::vector<std::string> buttons;
  std::vector<std::string> texts;
};

BOOL CALLBACK Collect(HWND child, LPARAM data) {
  auto* seen = reinterpret_cast<Seen_Box*>(data);
  char cls[32], text[512];
  GetClassNameA(child, cls, sizeof cls);
  GetWindowTextA(child, text, sizeof text);
  (lstrcmpiA(cls, "Button") == 0 ? seen->buttons : seen->texts).push_back(text);
  return TRUE;
}

// Waits for the box titled `title`, reads it, then presses the button with
// identifier `press`.
Seen_Box Answer_Box(const char* title, int press) {
  Seen_Box seen;
  HWND box = nullptr;
  if (!Wait_Until([&] { return (box = FindWindowA(nullptr, title)) != nullptr; })) return seen;
  EnumChildWindows(box, Collect, reinterpret_cast<LPARAM>(&seen));
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(press, BN_CLICKED), 0);
  return seen;
}

TEST(Win32_Message_Boxes, ButtonsCaptionedAsTheMessagesNameThem) {
  ui::win32::Win32_Message_Boxes boxes;
  const struct {
    unsigned buttons;
    platform::Message_Button default_button, escape_button;
    int press;
    std::vector<std::string> captions;
    platform::Message_Button answer;
  } cases[] = {
      {platform::Button_Yes | platform::Button_Cancel,
       platform::Button_Yes,
       platform::Button_Cancel,
       IDOK,
       {"&Yes", "Cancel"},
       platform::Button_Yes},
      {platform::Button_Yes | platform::Button_No,
       platform::Button_No,
       platform::Button_No,
       IDNO,
       {"&Yes", "&No"},
       platform::Button_No},
      {platform::Button_OK,
       platform::Button_OK,
       platform::Button_OK,
       IDOK,
       {"OK"},
       platform::Button_OK},
  };
  for (const auto& c : cases) {
    Seen_Box seen;
    std::thread user([&] { seen = Answer_Box("Warning", c.press); });
    const platform::Message_Button answer =
        boxes.Show_Message(platform::Message_Kind::Warning, "Remove this Drive ?", c.buttons,
                           c.default_button, c.escape_button);
    user.join();
    EXPECT_EQ(seen.buttons, c.captions);
    EXPECT_EQ(answer, c.answer);
  }
}

TEST(Win32_Message_Boxes, TheStandardErrorBoxCarriesTheApplicationTitle) {
  ui::win32::Win32_Message_Boxes boxes;
  Seen_Box seen;
  std::thread user([&] { seen = Answer_Box("Keldra v3.6f", IDOK); });
  boxes.Show_Error("Keldra v3.6f", "Unable to write to C:\\x\\keldra.ini");
  user.join();
  EXPECT_EQ(seen.buttons, (std::vector<std::string>{"OK"}));
  bool found = false;
  for (const std::string& t : seen.texts) found |= t == "Unable to write to C:\\x\\keldra.ini.";
  EXPECT_TRUE(found) << "the message with its full stop";
}

}  // namespace
}  // namespace keldra::test
