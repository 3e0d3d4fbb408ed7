// The main window's commands beyond the refresh pass and the options dialog:
// auto-run, Restore Factory Defaults, dropped files and the Help menu.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <chrono>

#include <QLabel>

#include "extras/document_viewing.h"
#include "extras/text_helpers.h"
#include "platform/startup_info.h"
#include "settings/auto_run.h"
#include "settings/factory_defaults.h"
#include "settings/profile_values.h"
#include "ui/about_box.h"
#include "ui/main_form.h"
#include "ui/options_setup.h"
#include "ui/window_stacking.h"

namespace keldra::ui {
namespace {

std::vector<std::string> Local_Paths(const QMimeData* data) {
  std::vector<std::string> paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    // Only local files stand for a drive; anything else is passed over.
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  }
  return paths;
}

}  // namespace

void TMainForm1::Restore_Factory_Defaults_OptionClick() {
  settings::Restore_Factory_Defaults(services_.boxes, Settings_Path(),
                                     {[this] { Restore_Normal_State(); }, [this] { FormShow(); }});
}

void TMainForm1::Restore_Normal_State() {
  if (!isMinimized() && !isMaximized()) return;
  const QSize before = size();
  const bool was_maximised = isMaximized();
  services_.stacking.Show_Window(*this, platform::Show_Restore);
  // The window manager leaves the maximised or minimised state in its own time, and
  // gives the window back its borders as it does: the factory place is applied once
  // it has, so that it is measured with a normal window's frame: three seconds at
  // most, for a window manager on a very busy machine.
  QWindow* w = windowHandle();
  if (w == nullptr || !isVisible()) return;
  QEventLoop loop;
  QTimer poll;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    const bool done = was_maximised ? size() != before : w->isExposed();
    if (done || std::chrono::steady_clock::now() > deadline) loop.quit();
  });
  poll.start(10);
  loop.exec();
}

void TMainForm1::Auto_Run_at_Windows_Startup_OptionClick() {
  // The mark changes only when the operation succeeds.
  settings::Auto_Run_Context ctx{services_.registry, services_.boxes, services_.executable_path};
  if (!Auto_Run_Mark()) {
    if (settings::Turn_Auto_Run_On(ctx)) Set_Auto_Run_Mark(true);
  } else {
    if (settings::Turn_Auto_Run_Off(ctx)) Set_Auto_Run_Mark(false);
  }
}

void TMainForm1::View_Readme_file_OptionClick() {
  extras::Document_Context ctx{services_.launcher, services_.boxes, services_.executable_path};
  extras::View_Readme_File(ctx);
}

void TMainForm1::View_Shareware_Catalog_OptionClick() {
  extras::Document_Context ctx{services_.launcher, services_.boxes, services_.executable_path};
  extras::View_Catalog_File(ctx, about_ ? about_->Product_Name_Label->text().toStdString() : "");
}

void TMainForm1::About1Click() {
  if (about_) about_->exec();
}

void TMainForm1::Files_Dropped(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    const std::optional<std::string> form = services_.drives.Drive_Form(path);
    if (!form) continue;  // on no lettered drive
    const char letter = extras::First_Char(settings::Upper_Case_Ascii(*form));
    if (letter < 'A' || letter > 'Z') continue;
    if (letters_.find(letter) != std::string::npos) continue;
    letters_ = extras::Sort_Chars(letters_ + letter);
    if (options_) {
      options_->Fill_Options_Dialog(*this);
      options_->Read_Options_Dialog(*this);
    }
  }
  Refresh_All_Drives();
}

// A drop takes nothing away from where it came: always a copy, whatever the drag
// source proposes. Accepting its move would have it delete the files it dropped.
bool TMainForm1::Take_As_Copy(QDropEvent* event) {
  std::vector<std::string> paths = Local_Paths(event->mimeData());
  // The files are read while the drag passes over the window. Some sources (Qt's
  // own among them, seen with Qt 6.4 under X11) no longer hand the data over at the
  // drop itself; what was offered on the way in is what is dropped.
  if (paths.empty() && event->type() == QEvent::Drop) paths = drag_paths_;
  if (!(event->possibleActions() & Qt::CopyAction) || paths.empty()) {
    event->ignore();
    return false;
  }
  drag_paths_ = std::move(paths);
  event->setDropAction(Qt::CopyAction);
  event->accept();
  return true;
}

void TMainForm1::dragEnterEvent(QDragEnterEvent* event) {
  drag_paths_.clear();
  Take_As_Copy(event);
}

void TMainForm1::dragMoveEvent(QDragMoveEvent* event) { Take_As_Copy(event); }

void TMainForm1::dragLeaveEvent(QDragLeaveEvent*) { drag_paths_.clear(); }

void TMainForm1::dropEvent(QDropEvent* event) {
  if (!Take_As_Copy(event)) return;
  const std::vector<std::string> paths = std::move(drag_paths_);
  drag_paths_.clear();
  Guarded([&] { Files_Dropped(paths); });
}

}  // namespace keldra::ui
