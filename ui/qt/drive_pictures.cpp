#include "ui/qt/drive_pictures.h"

#include <QBitmap>
#include <QPainter>

namespace keldra::ui {
namespace {

using platform::Drive_Type;

constexpr int kSize = 16;
const QColor kTransparent(128, 128, 0);  // olive: appears in none of the pictures

void Floppy(QPainter& p) {
  p.fillRect(1, 1, 14, 14, QColor(40, 40, 40));
  p.fillRect(4, 1, 8, 5, QColor(192, 192, 192));
  p.fillRect(9, 2, 2, 3, QColor(40, 40, 40));
  p.fillRect(3, 8, 10, 7, Qt::white);
  p.setPen(QColor(0, 0, 160));
  p.drawLine(4, 10, 11, 10);
  p.drawLine(4, 12, 11, 12);
}

void Hard(QPainter& p) {
  p.fillRect(1, 5, 14, 7, QColor(160, 160, 160));
  p.setPen(QColor(64, 64, 64));
  p.drawRect(1, 5, 13, 6);
  p.fillRect(3, 9, 2, 1, QColor(0, 200, 0));
  p.setPen(QColor(224, 224, 224));
  p.drawLine(2, 6, 13, 6);
}

void Network(QPainter& p) {
  Hard(p);
  p.setPen(QColor(0, 0, 0));
  p.drawLine(8, 12, 8, 14);
  p.drawLine(2, 14, 14, 14);
  p.fillRect(0, 13, 3, 2, QColor(0, 96, 192));
  p.fillRect(13, 13, 3, 2, QColor(0, 96, 192));
}

void Cdrom(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(96, 96, 96));
  p.setBrush(QColor(220, 220, 235));
  p.drawEllipse(1, 1, 13, 13);
  p.setBrush(QColor(170, 200, 255));
  p.drawEllipse(4, 4, 7, 7);
  p.setBrush(Qt::white);
  p.drawEllipse(6, 6, 3, 3);
}

void Ram(QPainter& p) {
  p.fillRect(0, 5, 16, 6, QColor(0, 128, 64));
  for (int x = 2; x < 14; x += 4) p.fillRect(x, 6, 3, 3, QColor(24, 24, 24));
  p.setPen(QColor(230, 190, 40));
  for (int x = 1; x < 16; x += 2) p.drawPoint(x, 11);
}

}  // namespace

QImage Drive_Picture_Bitmap(Drive_Type type) {
  QImage image(kSize, kSize, QImage::Format_RGB32);
  image.fill(kTransparent);
  QPainter p(&image);
  switch (type) {
    case Drive_Type::Removable: Floppy(p); break;
    case Drive_Type::Remote: Network(p); break;
    case Drive_Type::Cdrom: Cdrom(p); break;
    case Drive_Type::Ramdisk: Ram(p); break;
    case Drive_Type::Fixed:
    case Drive_Type::Missing: Hard(p); break;
  }
  p.end();
  // The bottom-left pixel names the transparent colour: keep it free of drawing.
  image.setPixelColor(0, kSize - 1, kTransparent);
  return image;
}

QPixmap Drive_Picture(Drive_Type type) {
  const QImage image = Drive_Picture_Bitmap(type);
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setMask(QBitmap::fromImage(
      image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskInColor)));
  return pixmap;
}

}  // namespace keldra::ui
