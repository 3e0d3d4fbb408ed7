#include "ui/win32/keldra_windows.h"

namespace keldra::ui::win32 {

Keldra_Windows::Keldra_Windows(const Keldra_Services& s)
    : MainForm1(std::make_unique<TMainForm1>(fonts)),
      decimal_separator_(s.decimal_separator),
      about_view_([this]() -> About_Box_View& {
        AboutBox = std::make_unique<TAboutBox>(MainForm1->Handle(), fonts, About_Box);
        return *AboutBox;
      }),
      options_view_([this]() -> Options_Setup_View& {
        Options_Setup = std::make_unique<TOptions_Setup>(MainForm1->Handle(), fonts, Options,
                                                         decimal_separator_);
        return *Options_Setup;
      }),
      About_Box(about_view_, About_Box_Services(s, Face_Toolkit::Win32)),
      Options(options_view_, s.boxes, s.drives) {
  Main_Form = std::make_unique<Main_Form_Behaviour>(*MainForm1, s, Options, About_Box, title);
  MainForm1->Attach(*Main_Form);
}

TAboutBox& Keldra_Windows::About_Box_Window() {
  about_view_.Built();
  return *AboutBox;
}

TOptions_Setup& Keldra_Windows::Options_Setup_Window() {
  options_view_.Built();
  return *Options_Setup;
}

Keldra_Windows::~Keldra_Windows() {
  // The dialogs are owned by the main window: they go before it does, the
  // behaviour last, so that no window can reach it once it is gone.
  Options_Setup.reset();
  AboutBox.reset();
  MainForm1.reset();
  Main_Form.reset();
}

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
