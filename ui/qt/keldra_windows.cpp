#include "ui/qt/keldra_windows.h"

#include <QDate>

#include "extras/memory_percent.h"
#include "platform/memory_status.h"
#include "ui/qt/artwork.h"
#include "ui/start_steps.h"

namespace keldra::ui {

Keldra_Windows::Keldra_Windows(const Keldra_Services& s, Window_Stacking& stacking)
    : MainForm1(std::make_unique<TMainForm1>(stacking)),
      decimal_separator_(s.decimal_separator),
      about_view_([this]() -> About_Box_View& {
        AboutBox = std::make_unique<TAboutBox>(About_Box, MainForm1.get());
        return *AboutBox;
      }),
      options_view_([this]() -> Options_Setup_View& {
        Options_Setup =
            std::make_unique<TOptions_Setup>(Options, decimal_separator_, MainForm1.get());
        return *Options_Setup;
      }),
      About_Box(about_view_, About_Box_Services(s, Face_Toolkit::Qt_Widgets)),
      Options(options_view_, s.boxes, s.drives) {
  MainForm1->setWindowIcon(Application_Icon());
  Start_Step("main_window_built");
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
  // The dialogs are the main window's children: let them go before it does; the
  // behaviour last, so that no window can reach it once it is gone.
  Options_Setup.reset();
  AboutBox.reset();
  MainForm1.reset();
  Main_Form.reset();
}

int System_Year() { return QDate::currentDate().year(); }

std::string System_Memory_Free_Percent() {
  return extras::Memory_Free_Percent(platform::Global_Memory_Status());
}

}  // namespace keldra::ui
