// The toolkit's floor: the least a Qt Widgets program does to show one label.
//   qt_floor            shows the label, quits once it has been painted
//   qt_floor <seconds>  keeps it on screen that long (for resident-memory figures)
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdlib>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label("Keldra");
  label.show();
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 0;
  QTimer::singleShot(seconds * 1000, [] { QCoreApplication::exit(0); });
  return app.exec();
}
