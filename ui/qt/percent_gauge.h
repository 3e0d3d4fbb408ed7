#pragma once
// The percentage gauge of a DriveRow: a bordered bar with the percentage written across it
// in exclusive-or, so the text is black over white and the bar colour's complement
// over the bar.
#include <QColor>
#include <QImage>
#include <QWidget>

#include "ui/main_form_description.h"

namespace keldra::ui {

class Percent_Gauge : public QWidget {
  Q_OBJECT

 public:
  explicit Percent_Gauge(QWidget* parent = nullptr);

  // Clamps to 0..100, repaints only when the shown value changes, answers the value kept.
  int Set_Progress(int value);
  int Progress() const { return progress_; }
  // Repaints only when the colour changes.
  void Set_Bar_Color(QColor color);
  QColor Bar_Color() const { return bar_; }

  // The picture of a gauge of the given size, value, bar colour and font.
  static QImage Compose(QSize size, int percent, QColor bar, const QFont& font,
                        qreal pixel_ratio = 1);

  int Paint_Count() const { return paints_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int progress_ = 100;
  QColor bar_ = QColor::fromRgb(Bar_Colour_Rgb(monitor::Bar_Color::Lime));
  int paints_ = 0;
};

}  // namespace keldra::ui
