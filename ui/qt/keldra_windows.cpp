#include "ui/qt/keldra_windows.h"

#include <QDate>

#include "extras/memory_percent.h"
#include "platform/memory_status.h"
#include "ui/qt/artwork.h"

namespace keldra::ui {

Keldra_Windows::Keldra_Windows(const Keldra_Services& s, Window_Stacking& stacking) {
  MainForm1 = std::make_unique<TMainForm1>(stacking);
  MainForm1->setWindowIcon(Application_Icon());
  AboutBox =
      std::make_unique<TAboutBox>(About_Box_Services(s, Face_Toolkit::Qt_Widgets), MainForm1.get());
  Options_Setup =
      std::make_unique<TOptions_Setup>(s.drives, s.boxes, s.decimal_separator, MainForm1.get());
  Main_Form = std::make_unique<Main_Form_Behaviour>(*MainForm1, s, Options_Setup->Behaviour(),
                                                    AboutBox->Behaviour(), title);
  MainForm1->Attach(*Main_Form);
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
