#pragma once
// A row's percentage gauge as a picture, painted from its plan: a bordered bar with
// the percentage written across it in exclusive-or.
#include <QColor>
#include <QFont>
#include <QImage>

namespace keldra::ui {

// The picture of a gauge of the given size, value, bar colour and font. On a scaled
// screen it has as many pixels as the screen shows, so that its text stays as sharp
// as the labels beside it.
QImage Compose_Gauge(QSize size, int percent, QColor bar, const QFont& font, qreal pixel_ratio = 1);

}  // namespace keldra::ui
