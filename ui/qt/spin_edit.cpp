#include "ui/qt/spin_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

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
  const int button = interval_field::Button_Width;
  edit_->setGeometry(0, 0, width() - button, height());
  up_->setGeometry(width() - button, 0, button, height() / 2);
  down_->setGeometry(width() - button, height() / 2, button, height() - height() / 2);
}

bool Spin_Edit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::FocusOut) {
    if (const auto bounded = interval_field::Value_On_Leaving(edit_->text().toStdString())) {
      Set_Value(*bounded);
    }
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  using interval_field::Key;
  const QString text = key->text();
  Key read = Key::Other;
  if (key->key() == Qt::Key_Up) {
    read = Key::Up;
  } else if (key->key() == Qt::Key_Down) {
    read = Key::Down;
  } else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    read = Key::Enter;
  } else if (!text.isEmpty() && text.at(0).isPrint() &&
             !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    read = Key::Printable;
  }
  switch (interval_field::Effect_Of(read, text.toStdString(), separator_.toStdString())) {
    case interval_field::Key_Effect::Step_Up: Step(+1); return true;
    case interval_field::Key_Effect::Step_Down: Step(-1); return true;
    case interval_field::Key_Effect::Refuse: QApplication::beep(); return true;
    case interval_field::Key_Effect::Edit: break;
  }
  return false;
}

}  // namespace keldra::ui
