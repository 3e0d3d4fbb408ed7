// Writes the pictures the Qt window draws for itself as the bitmaps the Windows
// window carries as resources, so that both faces show the same artwork. Run by
// art/make-win32-art.sh; the results are committed.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "platform/drive_table.h"
#include "ui/qt/artwork.h"
#include "ui/qt/drive_pictures.h"

namespace {

bool Save(const QImage& image, const std::string& path) {
  // 24 bits: what LoadImage and the resource compiler take everywhere.
  if (image.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(path), "BMP"))
    return true;
  std::fprintf(stderr, "could not write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: export_win32_art <folder>\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  using keldra::platform::Drive_Type;
  bool ok = true;
  for (Drive_Type type : {Drive_Type::Removable, Drive_Type::Fixed, Drive_Type::Remote,
                          Drive_Type::Cdrom, Drive_Type::Ramdisk}) {
    const std::string name = keldra::ui::Drive_Picture_Name(type);
    ok &= Save(keldra::ui::Drive_Picture_Bitmap(type), folder + name + ".bmp");
  }
  // The pictures are drawn over the dialog's face; the glyph's transparent colour
  // is its bottom-left pixel, as the drive pictures' is.
  auto flat = [](const QPixmap& p, QColor under) {
    QImage out(p.size(), QImage::Format_RGB32);
    out.fill(under);
    QPainter(&out).drawPixmap(0, 0, p);
    return out;
  };
  const QColor face(212, 208, 200);
  ok &= Save(flat(keldra::ui::Banner_Picture(), face), folder + "BANNER.bmp");
  ok &= Save(flat(keldra::ui::Badge_Picture(), face), folder + "BADGE.bmp");
  ok &= Save(flat(keldra::ui::Donation_Button_Picture(), face), folder + "PAYPAL.bmp");
  ok &= Save(flat(keldra::ui::Ok_Glyph(true), QColor(255, 0, 255)), folder + "OK_GLYPH.bmp");
  ok &= Save(flat(keldra::ui::Ok_Glyph(false), QColor(255, 0, 255)), folder + "OK_GLYPH_OFF.bmp");
  return ok ? 0 : 1;
}
