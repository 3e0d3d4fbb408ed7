#pragma once
// A picture control that plays a multi-frame GIF: the current frame stretched to
// its bounds, each frame for its own delay, repeating up to the image's loop count,
// running only while its animation is switched on. It reports clicks.
#include <QMovie>
#include <QWidget>

namespace keldra::ui {

class Animated_Picture : public QWidget {
  Q_OBJECT

 public:
  explicit Animated_Picture(QWidget* parent = nullptr);
  void Load(const QString& file_name);
  void Set_Animate(bool on);
  bool Animate() const { return movie_.state() == QMovie::Running; }
  QMovie& Movie() { return movie_; }

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QMovie movie_;
};

}  // namespace keldra::ui
