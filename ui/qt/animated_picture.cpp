#include "ui/qt/animated_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace keldra::ui {

Animated_Picture::Animated_Picture(QWidget* parent) : QWidget(parent) {
  connect(&movie_, &QMovie::frameChanged, this, [this](int) { update(); });
}

void Animated_Picture::Load(const QString& file_name) {
  movie_.stop();
  movie_.setFileName(file_name);
  movie_.jumpToFrame(0);
  update();
}

void Animated_Picture::Set_Animate(bool on) {
  if (on && movie_.state() != QMovie::Running) {
    movie_.start();
  } else if (!on) {
    movie_.setPaused(false);
    movie_.stop();
  }
}

void Animated_Picture::paintEvent(QPaintEvent*) {
  const QPixmap frame = movie_.currentPixmap();
  if (frame.isNull()) return;
  QPainter p(this);
  p.drawPixmap(rect(), frame);  // stretched, proportions not kept
}

void Animated_Picture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked();
}

}  // namespace keldra::ui
