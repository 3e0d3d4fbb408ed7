// A drag source for the drop test: a small window that, when pressed, drags the
// files named on its command line offering copy, move and link, proposing move,
// as file managers do with Shift held. Prints the action the drop ended with.
//   drag_source <file>...
#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <cstdio>

namespace {

class Drag_Source : public QLabel {
 public:
  explicit Drag_Source(QList<QUrl> urls) : QLabel("drag me"), urls_(std::move(urls)) {
    setWindowTitle("Keldra drag source");
    setAlignment(Qt::AlignCenter);
    resize(160, 100);
  }

 protected:
  void mousePressEvent(QMouseEvent*) override { pressed_ = true; }
  void mouseMoveEvent(QMouseEvent*) override {
    if (!pressed_) return;
    pressed_ = false;
    auto* data = new QMimeData;
    data->setUrls(urls_);
    QDrag drag(this);
    drag.setMimeData(data);
    const Qt::DropAction action =
        drag.exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::MoveAction);
    const char* name = action == Qt::CopyAction   ? "copy"
                       : action == Qt::MoveAction ? "move"
                       : action == Qt::LinkAction ? "link"
                                                  : "ignore";
    std::printf("%s\n", name);
    std::fflush(stdout);
    QApplication::quit();
  }

 private:
  QList<QUrl> urls_;
  bool pressed_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QList<QUrl> urls;
  for (int i = 1; i < argc; ++i)
    urls.push_back(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[i])));
  Drag_Source source(urls);
  source.move(500, 300);
  source.show();
  return app.exec();
}
