#include "ui/win32/keldra_windows.h"

namespace keldra::ui::win32 {

Keldra_Windows::Keldra_Windows(const Keldra_Services& s) {
  MainForm1 = std::make_unique<TMainForm1>(fonts);
  AboutBox = std::make_unique<TAboutBox>(MainForm1->Handle(), fonts,
                                         About_Box_Services(s, Face_Toolkit::Win32));
  Options_Setup = std::make_unique<TOptions_Setup>(MainForm1->Handle(), fonts, s.drives, s.boxes,
                                                   s.decimal_separator);
  Main_Form = std::make_unique<Main_Form_Behaviour>(*MainForm1, s, Options_Setup->Behaviour(),
                                                    AboutBox->Behaviour(), title);
  MainForm1->Attach(*Main_Form);
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
