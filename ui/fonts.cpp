#include "ui/fonts.h"

#include <QStringList>

namespace keldra::ui {
namespace {

QFont Make(const QStringList& families, int pixel_size, bool bold) {
  QFont f;
  f.setFamilies(families);
  f.setPixelSize(pixel_size);
  f.setBold(bold);
  f.setItalic(false);
  return f;
}

}  // namespace

QFont Times_Font(int px, bool bold) {
  return Make({"Times New Roman", "Liberation Serif"}, px, bold);
}
QFont Arial_Font(int px, bool bold) { return Make({"Arial", "Liberation Sans"}, px, bold); }
QFont Courier_Font(int px, bool bold) {
  return Make({"Courier New", "Courier", "Liberation Mono"}, px, bold);
}
QFont System_Font(int px, bool bold) { return Make({"Liberation Sans"}, px, bold); }

}  // namespace keldra::ui
