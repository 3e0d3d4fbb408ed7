#include "ui/qt/drawn_area.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include "ui/qt/described_controls.h"
#include "ui/qt/fonts.h"
#include "ui/qt/percent_gauge.h"
#include "ui/start_steps.h"

namespace keldra::ui {
Drawn_Area::Drawn_Area(QWidget* parent, const Window_Description& described,
                       std::function<void(int)> run)
    : QWidget(parent),
      described_(described),
      run_(std::move(run)),
      controls_(
          [this](const Drawn_Control& c, const std::string& text) {
            measure_.setFont(Font_Of(c));
            measure_.setText(QString::fromStdString(text));
            const QSize size = measure_.sizeHint();
            return Text_Extent{size.width(), size.height()};
          },
          [this](const Box& b, bool) { update(Rect_Of(b)); }) {}

QFont Drawn_Area::Font_Of(const Drawn_Control& c) const {
  return ui::Font_Of(c.described->font, font());
}

const Drawn_Control* Drawn_Area::Named(const std::string& name) const {
  for (const Drawn_Control& c : controls_.All()) {
    if (c.described->name == name) return &c;
  }
  return nullptr;
}

void Drawn_Area::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const auto& all = controls_.All();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    const Drawn_Control& c = *it;
    const QRect box = Rect_Of(c.box);
    if (!c.visible || !event->rect().intersects(box)) continue;
    if (c.gauge) {
      p.drawImage(box.topLeft(), Compose_Gauge(box.size(), c.progress, QColor::fromRgb(c.bar_rgb),
                                               Font_Of(c), devicePixelRatioF()));
      continue;
    }
    // As a label draws its text: in its font and text colour, aligned in its box.
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText,
                     Colour_Of(c.described->text_colour, palette, QPalette::WindowText));
    p.save();
    p.setClipRect(box);
    p.setFont(Font_Of(c));
    style()->drawItemText(&p, box, static_cast<int>(Alignment_Of(*c.described)), palette, true,
                          QString::fromStdString(c.text), QPalette::WindowText);
    p.restore();
  }
#ifdef KELDRA_START_STEPS
  if (!painted_) Start_Step("first_paint");
  painted_ = true;
#endif
}

void Drawn_Area::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  const Drawn_Control* hit = controls_.At({at.x(), at.y()});
  const int command = hit ? hit->described->double_click : described_.background_double_click;
  if (command != No_Command) run_(command);
}

bool Drawn_Area::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const Drawn_Control* hit = controls_.At({help->pos().x(), help->pos().y()});
  if (hit && hit->described->show_hint && !hit->described->hint.empty()) {
    QToolTip::showText(help->globalPos(), QString::fromStdString(hit->described->hint), this,
                       Rect_Of(hit->box));
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

}  // namespace keldra::ui
