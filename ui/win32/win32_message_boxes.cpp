#include "ui/win32/win32_message_boxes.h"

#include <windows.h>

#include <vector>

#include "platform/keldra_error.h"

namespace keldra::ui::win32 {
namespace {

using platform::Message_Button;
using platform::Message_Kind;

// What each of MessageBoxA's button identifiers stands for in the box being shown.
struct Box_Buttons {
  UINT style = MB_OK;
  std::vector<std::pair<int, Message_Button>> ids;  // in the box's own order
};

Box_Buttons Buttons_For(unsigned buttons) {
  using namespace platform;
  if (buttons == (Button_Yes | Button_No | Button_Cancel))
    return {MB_YESNOCANCEL, {{IDYES, Button_Yes}, {IDNO, Button_No}, {IDCANCEL, Button_Cancel}}};
  if (buttons == (Button_Yes | Button_No))
    return {MB_YESNO, {{IDYES, Button_Yes}, {IDNO, Button_No}}};
  // Yes and Cancel: the OK and Cancel box with its first button renamed.
  if (buttons == (Button_Yes | Button_Cancel))
    return {MB_OKCANCEL, {{IDOK, Button_Yes}, {IDCANCEL, Button_Cancel}}};
  if (buttons == (Button_OK | Button_Cancel))
    return {MB_OKCANCEL, {{IDOK, Button_OK}, {IDCANCEL, Button_Cancel}}};
  return {MB_OK, {{IDOK, Button_OK}}};
}

UINT Icon_Of(Message_Kind kind) {
  switch (kind) {
    case Message_Kind::Warning: return MB_ICONWARNING;
    case Message_Kind::Error: return MB_ICONERROR;
    case Message_Kind::Confirm: return MB_ICONQUESTION;
    case Message_Kind::Information: break;
  }
  return MB_ICONINFORMATION;
}

// The box being shown on this thread, whose buttons are captioned as it appears.
thread_local const Box_Buttons* g_captioning = nullptr;
thread_local HHOOK g_hook = nullptr;

LRESULT CALLBACK Caption_Hook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE && g_captioning != nullptr) {
    const auto box = reinterpret_cast<HWND>(wparam);
    for (const auto& [id, button] : g_captioning->ids)
      SetDlgItemTextA(box, id, platform::Button_Caption(button));
    g_captioning = nullptr;  // once: boxes opened from within are captioned by their own call
  }
  return CallNextHookEx(g_hook, code, wparam, lparam);
}

Message_Button Run_Box(const std::string& title, const std::string& text, UINT icon,
                       unsigned buttons, Message_Button default_button,
                       Message_Button escape_button) {
  const Box_Buttons box = Buttons_For(buttons);
  UINT style = box.style | icon | MB_SETFOREGROUND;
  for (std::size_t i = 0; i < box.ids.size(); ++i) {
    if (box.ids[i].second == default_button)
      style |= (i == 1 ? MB_DEFBUTTON2 : i == 2 ? MB_DEFBUTTON3 : 0);
  }
  // Owned by the window in front, or modal to the whole program when none is.
  HWND owner = GetActiveWindow();
  if (owner == nullptr) style |= MB_TASKMODAL;
  const Box_Buttons* outer = g_captioning;
  HHOOK outer_hook = g_hook;
  g_captioning = &box;
  g_hook = SetWindowsHookExA(WH_CBT, Caption_Hook, nullptr, GetCurrentThreadId());
  const int answer = MessageBoxA(owner, text.c_str(), title.c_str(), style);
  if (g_hook) UnhookWindowsHookEx(g_hook);
  g_hook = outer_hook;
  g_captioning = outer;
  for (const auto& [id, button] : box.ids) {
    if (id == answer) return button;
  }
  return escape_button;  // closed without a button
}

}  // namespace

Message_Button Win32_Message_Boxes::Show_Message(Message_Kind kind, const std::string& text,
                                                 unsigned buttons, Message_Button default_button,
                                                 Message_Button escape_button) {
  return Run_Box(platform::Message_Title(kind), text, Icon_Of(kind), buttons, default_button,
                 escape_button);
}

void Win32_Message_Boxes::Show_Error(const std::string& application_title,
                                     const std::string& message) {
  Run_Box(application_title, Standard_Error_Text(message), MB_ICONERROR, platform::Button_OK,
          platform::Button_OK, platform::Button_OK);
}

}  // namespace keldra::ui::win32
