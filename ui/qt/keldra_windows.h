#pragma once
// The program's three windows as the Qt face makes them.
#include <string>

#include "ui/keldra_windows_of.h"
#include "ui/qt/about_box.h"
#include "ui/qt/main_form.h"
#include "ui/qt/options_setup.h"
#include "ui/qt/window_stacking.h"

namespace keldra::ui {

class Keldra_Windows : public Keldra_Windows_Of<TMainForm1, TAboutBox, TOptions_Setup> {
 public:
  Keldra_Windows(const Keldra_Services& services, Window_Stacking& stacking);
};

// The system date's year, and the free-memory figure from the system.
int System_Year();
std::string System_Memory_Free_Percent();

}  // namespace keldra::ui
