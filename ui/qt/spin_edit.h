#pragma once
// SpinEdit1: a number field with up and down buttons, stepping by 5 within 1..200.
// Typing is limited to digits, signs and the decimal separator; a typed value is
// brought to the nearer bound when the focus leaves.
#include <QWidget>
#include <functional>
#include <string>

class QLineEdit;
class QToolButton;

namespace keldra::ui {

class Spin_Edit : public QWidget {
  Q_OBJECT

 public:
  // on_change hears every change of the field's text, the user's and the
  // program's alike.
  Spin_Edit(QString decimal_separator, std::function<void(const std::string&)> on_change,
            QWidget* parent = nullptr);

  // The whole number written in the field brought into 1..200, or 1 when the text
  // is not a whole number. Bounding here too means a value typed and left in the
  // field when the dialog closes from the keyboard still gives a sound interval.
  int Value() const;
  // Brought into 1..200.
  void Set_Value(int value);
  void Step(int direction);  // +1 or -1: one step of 5

  QLineEdit* Editor() const { return edit_; }
  QToolButton* Up_Button() const { return up_; }
  QToolButton* Down_Button() const { return down_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int Written_Value() const;  // unbounded
  QString separator_;
  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace keldra::ui
