#include "ui/qt/artwork.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/about_texts.h"
#include "ui/qt/fonts.h"

// Resources of a static library are registered by name, outside any namespace.
static void Register_Keldra_Resources() { Q_INIT_RESOURCE(keldra); }

namespace keldra::ui {
namespace {

const QColor kNavy(0x1d, 0x35, 0x57);
const QColor kSky(0xa8, 0xda, 0xdc);
const QColor kRed(0xe6, 0x39, 0x46);

void Ensure_Resources() {
  static const bool registered = (Register_Keldra_Resources(), true);
  (void)registered;
}

}  // namespace

QPixmap Banner_Picture() {
  QPixmap pixmap(611, 67);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 611, 0);
  sky.setColorAt(0, kNavy);
  sky.setColorAt(1, QColor(0x45, 0x7b, 0x9d));
  p.fillRect(pixmap.rect(), sky);
  // Three gauges of growing fill, the program's own picture of itself.
  const int fills[] = {40, 88, 97};
  const QColor colours[] = {QColor(0, 255, 0), QColor(255, 255, 0), QColor(255, 0, 0)};
  for (int i = 0; i < 3; ++i) {
    const QRect gauge(420 + i * 62, 18 + i * 8, 55, 17);
    p.fillRect(gauge, Qt::black);
    p.fillRect(gauge.adjusted(1, 1, -1, -1), Qt::white);
    p.fillRect(QRect(gauge.left() + 1, gauge.top() + 1, fills[i] * 53 / 100, 15), colours[i]);
  }
  p.setPen(Qt::white);
  p.setFont(Times_Font(40, true));
  p.drawText(QRect(16, 0, 400, 67), Qt::AlignVCenter | Qt::AlignLeft, Program_Name);
  p.setFont(Arial_Font(13));
  p.setPen(kSky);
  p.drawText(QRect(190, 30, 230, 30), Qt::AlignLeft | Qt::AlignVCenter, "disk space at a glance");
  return pixmap;
}

QPixmap Badge_Picture() {
  QPixmap pixmap(598, 154);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(pixmap.rect(), kNavy);
  p.setPen(QPen(kSky, 8));
  p.drawRoundedRect(QRectF(6, 6, 586, 142), 30, 30);
  p.setBrush(kRed);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(520, 77), 48, 48);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(520, 77), 12, 12);
  return pixmap;
}

QPixmap Donation_Button_Picture() {
  QPixmap pixmap(62, 31);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(0xff, 0xc4, 0x39));
  p.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 1));
  p.drawRoundedRect(QRectF(0.5, 0.5, 61, 30), 12, 12);
  p.setPen(kNavy);
  p.setFont(Arial_Font(12, true));
  p.drawText(pixmap.rect(), Qt::AlignCenter, "Donate");
  return pixmap;
}

QPixmap Ok_Glyph(bool enabled) {
  QPixmap pixmap(18, 19);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath tick;
  tick.moveTo(2, 10);
  tick.lineTo(7, 15);
  tick.lineTo(16, 3);
  p.setPen(QPen(enabled ? QColor(0, 128, 0) : QColor(128, 128, 128), 3, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin));
  p.drawPath(tick);
  return pixmap;
}

QIcon Application_Icon() {
  Ensure_Resources();
  return QIcon(":/keldra/keldra.png");
}

QString Logo_Gif_Resource() {
  Ensure_Resources();
  return ":/keldra/keldra-logo.gif";
}

}  // namespace keldra::ui
