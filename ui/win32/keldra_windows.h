#pragma once
// The program's three windows as the Win32 face makes them, with the fonts they share.
#include "ui/keldra_windows_of.h"
#include "ui/win32/about_box.h"
#include "ui/win32/main_form.h"
#include "ui/win32/options_setup.h"
#include "ui/win32/win32_fonts.h"

namespace keldra::ui::win32 {

// Made before the windows, which draw with them, and let go of after them.
struct Window_Fonts {
  Fonts fonts;
};

class Keldra_Windows : private Window_Fonts,
                       public Keldra_Windows_Of<TMainForm1, TAboutBox, TOptions_Setup> {
 public:
  explicit Keldra_Windows(const Keldra_Services& services);
};

// Runs the messages of the program's windows until the main window has closed;
// the dialogs' keys are theirs while they are open.
int Run_Message_Loop();

// The system date's year.
int System_Year();

}  // namespace keldra::ui::win32
