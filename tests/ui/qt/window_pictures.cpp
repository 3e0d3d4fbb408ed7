// Pictures of the three windows, drawn offscreen over fixed drives, so that a change
// of how the windows are built can be checked pixel for pixel against the pictures
// made before it.
//   keldra_window_pictures <folder to write to> [<folder of earlier pictures>]
// With an earlier folder, prints for each picture how many pixels differ and where,
// and exits with 1 when any does.
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cstdio>

#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/drive_chooser.h"

namespace {

int Compare(const QString& name, const QImage& now, const QString& earlier_folder) {
  const QImage before(earlier_folder + "/" + name);
  if (before.isNull()) {
    std::printf("%s: no earlier picture\n", qPrintable(name));
    return 1;
  }
  if (before.size() != now.size()) {
    std::printf("%s: size %dx%d, was %dx%d\n", qPrintable(name), now.width(), now.height(),
                before.width(), before.height());
    return 1;
  }
  const QImage a = before.convertToFormat(QImage::Format_RGB32);
  const QImage b = now.convertToFormat(QImage::Format_RGB32);
  int differ = 0;
  QRect where;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) {
        ++differ;
        where |= QRect(x, y, 1, 1);
      }
    }
  }
  if (differ == 0) {
    std::printf("%s: the same\n", qPrintable(name));
    return 0;
  }
  std::printf("%s: %d pixels differ, within (%d, %d, %d x %d)\n", qPrintable(name), differ,
              where.left(), where.top(), where.width(), where.height());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: keldra_window_pictures <folder> [<earlier folder>]\n");
    return 2;
  }
  keldra::test::Form_Fixture f;
  using keldra::platform::Drive_Type;
  f.table.drives = {{'A', "/media/a", Drive_Type::Removable, "", ""},
                    {'C', "/", Drive_Type::Fixed, "system", ""},
                    {'F', "/net/f", Drive_Type::Remote, "", "//server/share"},
                    {'G', "/cdrom", Drive_Type::Cdrom, "disc", ""},
                    {'R', "/ram", Drive_Type::Ramdisk, "ram", ""}};
  f.Write_Settings(
      "[keldra]\ndrive_being_monitored_letters=CDE\nShow_Total_of_All_Drives_CheckBox=1\n");
  f.form->show();
  QApplication::processEvents();
  // The dialogs as the user first sees them: the options dialog filled as Settings
  // fills it, the About box as About shows it.
  f.windows->Options.Fill_Options_Dialog(f.behaviour());
  f.options->show();
  QApplication::processEvents();
  const struct {
    const char* name;
    QWidget* window;
  } windows[] = {{"main.png", f.form}, {"options.png", f.options}, {"about.png", f.about}};
  int failed = 0;
  for (const auto& w : windows) {
    const QImage picture = w.window->grab().toImage();
    const QString name = QString::fromUtf8(w.name);
    picture.save(QString::fromLocal8Bit(argv[1]) + "/" + name);
    if (argc > 2) failed |= Compare(name, picture, QString::fromLocal8Bit(argv[2]));
  }
  return failed;
}
