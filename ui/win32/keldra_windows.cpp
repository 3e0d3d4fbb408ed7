#include "ui/win32/keldra_windows.h"

namespace keldra::ui::win32 {

Keldra_Windows::Keldra_Windows(const Keldra_Services& s)
    : Keldra_Windows_Of(
          s, {Face_Toolkit::Win32, [this] { return std::make_unique<TMainForm1>(fonts); },
              [this](TMainForm1& main, About_Box_Behaviour& behaviour) {
                return std::make_unique<TAboutBox>(main.Handle(), fonts, behaviour);
              },
              [this](TMainForm1& main, Options_Setup_Behaviour& behaviour,
                     const std::string& separator) {
                return std::make_unique<TOptions_Setup>(main.Handle(), fonts, behaviour, separator);
              }}) {}

int Run_Message_Loop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

int System_Year() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wYear;
}

}  // namespace keldra::ui::win32
