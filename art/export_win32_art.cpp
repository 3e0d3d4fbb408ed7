// Writes the pictures the Qt window draws for itself as the bitmaps the Windows
// window carries as resources, so that both faces show the same artwork, and the
// application icon from keldra.png. Run by art/make-win32-art.sh; the results are
// committed.
#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <string>
#include <vector>

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

// An icon file as Windows reads it: the 16, 32 and 48 pixel images as bitmaps
// (32 bits with alpha, and an all-clear mask), which every Windows and Wine's title
// bar read, followed by the large image as the PNG itself.
bool Save_Icon(const QString& png_path, const std::string& path) {
  QFile png_file(png_path);
  if (!png_file.open(QIODevice::ReadOnly)) return false;
  const QByteArray png = png_file.readAll();
  const QImage large = QImage::fromData(png).convertToFormat(QImage::Format_ARGB32);
  if (large.isNull()) return false;
  std::vector<QByteArray> images;
  std::vector<int> sizes;
  for (int size : {16, 32, 48}) {
    const QImage small = large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32);
    QByteArray dib;
    QDataStream out(&dib, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 mask_row = static_cast<quint32>(((size + 31) / 32) * 4);
    // BITMAPINFOHEADER: the height counts the image and its mask.
    out << quint32(40) << qint32(size) << qint32(size * 2) << quint16(1) << quint16(32)
        << quint32(0) << quint32(size * size * 4 + mask_row * size) << qint32(0) << qint32(0)
        << quint32(0) << quint32(0);
    for (int y = size - 1; y >= 0; --y) {  // bottom-up, blue green red alpha
      const QRgb* row = reinterpret_cast<const QRgb*>(small.constScanLine(y));
      for (int x = 0; x < size; ++x) out << quint32(row[x]);
    }
    for (quint32 i = 0; i < mask_row * static_cast<quint32>(size); ++i) out << quint8(0);
    images.push_back(dib);
    sizes.push_back(size);
  }
  images.push_back(png);
  sizes.push_back(large.width());
  QByteArray ico;
  QDataStream out(&ico, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out << quint16(0) << quint16(1) << quint16(images.size());
  quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out << quint8(sizes[i] % 256) << quint8(sizes[i] % 256) << quint8(0) << quint8(0) << quint16(1)
        << quint16(32) << quint32(images[i].size()) << offset;
    offset += static_cast<quint32>(images[i].size());
  }
  for (const QByteArray& image : images) ico.append(image);
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: export_win32_art <folder> <keldra.png>\n");
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
  if (!Save_Icon(QString::fromLocal8Bit(argv[2]), folder + "keldra.ico")) {
    std::fprintf(stderr, "could not write the icon\n");
    ok = false;
  }
  return ok ? 0 : 1;
}
