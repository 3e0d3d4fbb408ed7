// The main window's dealings with the window system beyond drawing: leaving the
// maximised or minimised state, and files dragged and dropped on it.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <chrono>

#include "platform/startup_info.h"
#include "ui/qt/main_form.h"
#include "ui/qt/window_stacking.h"

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

void TMainForm1::Restore_Normal_State(std::function<void()> then) {
  if (!isMinimized() && !isMaximized()) return then();
  const QSize before = size();
  const bool was_maximised = isMaximized();
  stacking_.Show_Window(*this, platform::Show_Restore);
  // The window manager leaves the maximised or minimised state in its own time, and
  // gives the window back its borders as it does: `then` runs once it has, so that
  // the window is measured with a normal window's frame; three seconds at most, for
  // a window manager on a very busy machine. The window goes on meanwhile.
  QWindow* w = windowHandle();
  if (w == nullptr || !isVisible()) return then();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  auto* poll = new QTimer(this);
  connect(poll, &QTimer::timeout, this, [this, poll, w, before, was_maximised, deadline, then] {
    const bool done = was_maximised ? size() != before : w->isExposed();
    if (!done && std::chrono::steady_clock::now() <= deadline) return;
    poll->stop();
    poll->deleteLater();
    Guarded(then);
  });
  poll->start(10);
}

// A drop takes nothing away from where it came: always a copy, whatever the drag
// source proposes. Accepting its move would have it delete the files it dropped.
bool TMainForm1::Take_As_Copy(QDropEvent* event) {
  // The files are read once, as the drag comes in: asking the source again holds
  // the window until it answers, and some sources (Qt's own among them, seen with
  // Qt 6.4 under X11) no longer answer at the drop itself, which then waits for
  // seconds. What was offered on the way in is what is dropped.
  std::vector<std::string> paths = drag_paths_;
  if (paths.empty()) paths = Local_Paths(event->mimeData());
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
  Guarded([&] { behaviour_->Files_Dropped(paths); });
}

}  // namespace keldra::ui
