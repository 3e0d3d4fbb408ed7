#include "ui/qt/spin_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "ui/interval_field.h"

namespace keldra::ui {

Spin_Edit::Spin_Edit(QString decimal_separator, std::function<void(const std::string&)> on_change,
                     QWidget* parent)
    : QWidget(parent),
      separator_(std::move(decimal_separator)),
      edit_(new QLineEdit(this)),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  setFocusProxy(edit_);
  edit_->installEventFilter(this);
  for (QToolButton* b : {up_, down_}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(interval_field::Repeat_Delay_Ms);
    b->setAutoRepeatInterval(interval_field::Repeat_Interval_Ms);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
  connect(edit_, &QLineEdit::textChanged, this,
          [on_change](const QString& text) { on_change(text.toStdString()); });
  Set_Value(interval_field::Design_Value);
}

int Spin_Edit::Written_Value() const {
  return interval_field::Written_Value(edit_->text().toStdString());
}

int Spin_Edit::Value() const { return interval_field::Bounded(Written_Value()); }

void Spin_Edit::Set_Value(int value) {
  edit_->setText(QString::number(interval_field::Bounded(value)));
}

void Spin_Edit::Step(int direction) {
  Set_Value(interval_field::Stepped(edit_->text().toStdString(), direction));
  edit_->selectAll();
}

void Spin_Edit::resizeEvent(QResizeEvent*) {
  const int button_width = 16;
  edit_->setGeometry(0, 0, width() - button_width, height());
  up_->setGeometry(width() - button_width, 0, button_width, height() / 2);
  down_->setGeometry(width() - button_width, height() / 2, button_width, height() - height() / 2);
}

bool Spin_Edit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::FocusOut) {
    const int written = Written_Value();
    if (written != interval_field::Bounded(written)) Set_Value(written);
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
    Step(key->key() == Qt::Key_Up ? +1 : -1);
    return true;
  }
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    QApplication::beep();
    return true;
  }
  const QString text = key->text();
  const bool printable = !text.isEmpty() && text.at(0).isPrint();
  if (!printable || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    return false;  // editing and control keys: the field's own
  }
  if (!interval_field::Typed_Char_Allowed(text.toStdString(), separator_.toStdString())) {
    QApplication::beep();
    return true;
  }
  return false;
}

}  // namespace keldra::ui
