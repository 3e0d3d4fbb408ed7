#include "ui/qt/fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace keldra::ui {
namespace {

// The first of the families that is installed, looked up once per list: asking the
// font system for a missing face first and falling back costs a search per font.
QString Installed(const QStringList& families) {
  static QHash<QString, QString> chosen;
  const QString key = families.join('|');
  auto it = chosen.find(key);
  if (it != chosen.end()) return *it;
  QString pick = families.back();
  for (const QString& f : families) {
    if (QFontDatabase::hasFamily(f)) {
      pick = f;
      break;
    }
  }
  chosen.insert(key, pick);
  return pick;
}

QFont Make(const QStringList& families, int pixel_size, bool bold) {
  QFont f(Installed(families));
  f.setPixelSize(pixel_size);
  f.setBold(bold);
  f.setItalic(false);
  return f;
}

}  // namespace

// Each Windows face where it is installed, else its metric-compatible Liberation
// stand-in. The System font has no stand-in of its own: the sans one draws it.
QFont Times_Font(int px, bool bold) {
  return Make({Times_New_Roman, "Liberation Serif"}, px, bold);
}
QFont Arial_Font(int px, bool bold) { return Make({Arial, "Liberation Sans"}, px, bold); }
QFont Courier_Font(int px, bool bold) {
  return Make({QString(Courier) + " New", Courier, "Liberation Mono"}, px, bold);
}
QFont System_Font(int px, bool bold) { return Make({"Liberation Sans", Arial}, px, bold); }

QFont Font_Of(const Font_Description& d, const QFont& window_font) {
  if (d.face.empty()) return window_font;
  QFont f = d.face == Times_New_Roman ? Times_Font(d.height, d.bold)
            : d.face == Courier       ? Courier_Font(d.height, d.bold)
            : d.face == Arial         ? Arial_Font(d.height, d.bold)
                                      : System_Font(d.height, d.bold);
  f.setUnderline(d.underline);
  return f;
}

}  // namespace keldra::ui
