#include "ui/qt/spin_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "settings/profile_values.h"

namespace keldra::ui {

Spin_Edit::Spin_Edit(QString decimal_separator, QWidget* parent)
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
    b->setAutoRepeatDelay(400);
    b->setAutoRepeatInterval(100);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
  Set_Value(30);
}

int Spin_Edit::Written_Value() const {
  auto v = settings::Parse_Profile_Integer(edit_->text().toStdString());
  return v ? *v : Minimum;
}

int Spin_Edit::Value() const { return std::clamp(Written_Value(), Minimum, Maximum); }

void Spin_Edit::Set_Value(int value) {
  edit_->setText(QString::number(std::clamp(value, Minimum, Maximum)));
}

void Spin_Edit::Step(int direction) {
  const long long next = static_cast<long long>(Written_Value()) + direction * Increment;
  Set_Value(static_cast<int>(std::clamp<long long>(next, Minimum, Maximum)));
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
    if (written < Minimum || written > Maximum) Set_Value(written);
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
  const bool allowed = (text.size() == 1 && (text.at(0).isDigit() || text == "+" || text == "-")) ||
                       text == separator_;
  if (!allowed) {
    QApplication::beep();
    return true;
  }
  return false;
}

}  // namespace keldra::ui
