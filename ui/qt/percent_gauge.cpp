#include "ui/qt/percent_gauge.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace keldra::ui {

Percent_Gauge::Percent_Gauge(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int Percent_Gauge::Set_Progress(int value) {
  value = std::clamp(value, 0, 100);
  if (value != progress_) {
    progress_ = value;
    update();
  }
  return progress_;
}

void Percent_Gauge::Set_Bar_Color(QColor color) {
  if (color != bar_) {
    bar_ = color;
    update();
  }
}

QImage Percent_Gauge::Compose(QSize size, int percent, QColor bar, QColor background,
                              const QFont& font, qreal pixel_ratio) {
  const int w = size.width();
  const int h = size.height();
  // On a scaled screen the picture has as many pixels as the screen shows, so the
  // text stays as sharp as the labels beside it; every step below is in the
  // widget's own units.
  QImage image(size * pixel_ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(pixel_ratio);
  image.fill(Qt::black);  // the 1-pixel edge stays black: the border
  if (w < 2 || h < 2) return image;
  QPainter p(&image);
  const QRect inside(1, 1, w - 2, h - 2);
  p.fillRect(inside, background);

  const int c = std::min(static_cast<int>(std::lround(percent * (w - 1) / 100.0)), w - 1);
  if (c >= 1) p.fillRect(QRect(QPoint(1, 1), QPoint(c - 1, h - 2)), bar);

  // Exclusive-or text wants crisp pixels: antialiased edges would come out as
  // stray colours.
  QFont text_font = font;
  text_font.setStyleStrategy(QFont::NoAntialias);
  const QString text = QStringLiteral("%1%").arg(percent);
  const QFontMetrics metrics(text_font);
  const int tw = metrics.horizontalAdvance(text);
  const int th = metrics.height();
  const int x = (w - 1 - tw) / 2;
  const int y = (h - 1 - th) / 2;
  p.setClipRect(inside);
  p.setFont(text_font);
  p.setPen(Qt::white);
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.drawText(QRect(x, y, tw, th), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  return image;
}

void Percent_Gauge::paintEvent(QPaintEvent*) {
  ++paints_;
  // Composed off-screen, copied in one step: no flicker between the layers.
  const QImage picture = Compose(size(), progress_, bar_, Qt::white, font(), devicePixelRatioF());
  QPainter(this).drawImage(0, 0, picture);
}

}  // namespace keldra::ui
