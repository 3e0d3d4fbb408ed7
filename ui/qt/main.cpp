// keldra: the window. Creates the platform services, then the three windows in
// their order, and runs until the main window closes.
#include <unistd.h>

#include <QtCore/private/qcoreapplication_p.h>
#include <QApplication>
#include <QLibraryInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/session_signals.h"
#include "ui/program_start.h"
#include "ui/qt/display_platform.h"
#include "ui/qt/keldra_windows.h"
#include "ui/qt/qt_message_boxes.h"
#include "ui/start_steps.h"

namespace {

// An X or Wayland session may be missing.
bool Has_Display() {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* v = std::getenv(name);
    if (v && *v) return true;
  }
  return false;
}

// Without a display there is no window to show; say so, and show the drives the
// way keldra-report does instead of failing with a toolkit message.
int Without_Display(const std::string& folder) {
  std::fprintf(stderr,
               "Keldra needs a graphical display, and none is set (DISPLAY and WAYLAND_DISPLAY "
               "are empty).\nThe drives as the window would show them:\n");
  const std::string report = folder + "keldra-report";
  execl(report.c_str(), report.c_str(), static_cast<char*>(nullptr));
  std::fprintf(stderr, "keldra-report could not be started from %s\n", folder.c_str());
  return 1;
}

// The window whose session has not been saved by a close. The toolkit ends the
// process with exit() when it loses the display ("The X11 connection broke"): the
// save then happens on the way out, its error said on standard error.
keldra::ui::Main_Form_Behaviour* unsaved_session = nullptr;

void Save_On_Exit() {
  auto* behaviour = std::exchange(unsaved_session, nullptr);
  if (!behaviour) return;
  const std::string error = behaviour->Save_Without_Window();
  if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  using namespace keldra;
  std::optional<ui::Program_Start> start;
  try {
    start.emplace();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  if (!Has_Display()) return Without_Display(start->folder);
  start->Start_Early_Work();  // read while the toolkit starts

  // The client area is a native window of its own (so that it can be measured from
  // outside); its siblings, the menu bar among them, need not be.
  QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  // Asked for through the environment, which the toolkit reads as it starts; taken
  // out again at once, so that programs Keldra opens choose for themselves.
  const std::string platform = ui::Preferred_Display_Platform(std::getenv, argc, argv);
  if (!platform.empty()) setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
  // The toolkit looks for its plugins in the executable's folder too, as it starts and
  // whenever it loads one later, and that folder may be on a volume that has stopped
  // answering. Told while it starts that the program lives among its own plugins, it
  // looks only where it was installed (and in QT_PLUGIN_PATH); then it is told the truth,
  // for the session manager's restart command.
  QCoreApplicationPrivate::setApplicationFilePath(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                                                  QStringLiteral("/keldra"));
  QApplication app(argc, argv);
  QCoreApplicationPrivate::setApplicationFilePath(QString::fromStdString(start->executable));
  if (!platform.empty()) unsetenv("QT_QPA_PLATFORM");
  ui::Start_Step("toolkit");

  start->Make_Services();
  ui::Qt_Message_Boxes boxes;
  ui::Desktop_Window_Stacking stacking;
  ui::Keldra_Windows windows(start->Services(boxes, ui::System_Year), stacking);
  ui::Start_Step(ui::start_step::Windows_Built);
  windows.MainForm1->show();
  ui::Start_Step(ui::start_step::Shown);
  // SIGTERM and SIGHUP (log-out, shutdown, a kill) close the window as the user
  // would: the settings are saved, and a failed save is shown as a close shows it.
  std::unique_ptr<QSocketNotifier> session_end;
  if (const int fd = platform::Watch_Session_End_Signals(); fd >= 0) {
    session_end = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(session_end.get(), &QSocketNotifier::activated, [&windows, fd] {
      char bytes[16];
      while (read(fd, bytes, sizeof bytes) > 0) {}
      windows.MainForm1->close();
    });
  }
  unsaved_session = windows.Main_Form.get();
  std::atexit(Save_On_Exit);
#ifdef KELDRA_START_STEPS
  QTimer::singleShot(0, [] { ui::Start_Step("first_events_done"); });
#endif
  // For the start-up benchmark: leave once the first pass is on screen, as the
  // toolkit's floor program does after its one label.
  if (ui::Exit_When_Shown()) QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  app.exec();
  unsaved_session = nullptr;  // the close saved
  return 0;
}
