#include "ui/qt/percent_gauge.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/gauge_plan.h"
#include "ui/qt/described_controls.h"

namespace keldra::ui {

QImage Compose_Gauge(QSize size, int percent, QColor bar, const QFont& font, qreal pixel_ratio) {
  const Gauge_Plan plan = Plan_Gauge(size.width(), size.height(), percent, bar.rgb() & 0xFFFFFF);
  const auto colour = [](std::uint32_t rgb) { return QColor::fromRgb(rgb); };
  // Every step below is in the widget's own units.
  QImage image(size * pixel_ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(pixel_ratio);
  image.fill(colour(plan.border_rgb));
  if (plan.text.empty()) return image;
  QPainter p(&image);
  p.fillRect(Rect_Of(plan.inside), colour(plan.background_rgb));
  p.fillRect(Rect_Of(plan.bar), colour(plan.bar_rgb));
  QFont text_font = font;
  text_font.setStyleStrategy(QFont::NoAntialias);
  const QString text = QString::fromStdString(plan.text);
  const QFontMetrics metrics(text_font);
  const QSize text_size(metrics.horizontalAdvance(text), metrics.height());
  const Point at = Gauge_Text_Place(plan, text_size.width(), text_size.height());
  p.setClipRect(Rect_Of(plan.inside));
  p.setFont(text_font);
  p.setPen(colour(plan.text_rgb));
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.drawText(QRect(QPoint(at.x, at.y), text_size),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  return image;
}

}  // namespace keldra::ui
