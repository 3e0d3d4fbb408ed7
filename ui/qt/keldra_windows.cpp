#include "ui/qt/keldra_windows.h"

#include <QDate>

#include "extras/memory_percent.h"
#include "platform/memory_status.h"
#include "ui/qt/artwork.h"
#include "ui/start_steps.h"

namespace keldra::ui {

Keldra_Windows::Keldra_Windows(const Keldra_Services& s, Window_Stacking& stacking)
    : Keldra_Windows_Of(s, {Face_Toolkit::Qt_Widgets,
                            [&stacking] {
                              auto main = std::make_unique<TMainForm1>(stacking);
                              main->setWindowIcon(Application_Icon());
                              Start_Step("main_window_built");
                              return main;
                            },
                            [](TMainForm1& main, About_Box_Behaviour& behaviour) {
                              return std::make_unique<TAboutBox>(behaviour, &main);
                            },
                            [](TMainForm1& main, Options_Setup_Behaviour& behaviour,
                               const std::string& separator) {
                              return std::make_unique<TOptions_Setup>(behaviour, separator, &main);
                            }}) {}

int System_Year() { return QDate::currentDate().year(); }

std::string System_Memory_Free_Percent() {
  return extras::Memory_Free_Percent(platform::Global_Memory_Status());
}

}  // namespace keldra::ui
