#include "ui/keldra_windows.h"

#include <QDate>

#include "extras/memory_percent.h"
#include "platform/memory_status.h"
#include "ui/artwork.h"

namespace keldra::ui {

Keldra_Windows::Keldra_Windows(const Keldra_Services& s) {
  MainForm1 = std::make_unique<TMainForm1>(TMainForm1::Services{
      s.queries, s.drives, s.boxes, s.registry, s.launcher, s.stacking, title, s.executable_path});
  MainForm1->setWindowIcon(Application_Icon());
  AboutBox = std::make_unique<TAboutBox>(
      TAboutBox::Services{s.launcher, s.executable_path, s.current_year, s.memory_free_percent},
      MainForm1.get());
  Options_Setup =
      std::make_unique<TOptions_Setup>(s.drives, s.boxes, s.decimal_separator, MainForm1.get());
  MainForm1->Set_About_Box(AboutBox.get());
  MainForm1->Set_Options_Dialog(Options_Setup.get());
}

Keldra_Windows::~Keldra_Windows() {
  // The dialogs are the main window's children: let them go before it does.
  Options_Setup.reset();
  AboutBox.reset();
  MainForm1.reset();
}

int System_Year() { return QDate::currentDate().year(); }

std::string System_Memory_Free_Percent() {
  return extras::Memory_Free_Percent(platform::Global_Memory_Status());
}

}  // namespace keldra::ui
