#pragma once
// A menu item whose check mark only code sets: a click runs the item's routine,
// and the mark stays as it was unless that routine changes it.
#include <QAction>
#include <functional>

namespace keldra::ui {

class Menu_Mark : public QObject {
  Q_OBJECT

 public:
  Menu_Mark(QAction* action, std::function<void()> on_click);
  bool Checked() const { return checked_; }
  void Set_Checked(bool checked);
  QAction* Action() const { return action_; }

 private:
  QAction* action_;
  bool checked_ = false;
};

}  // namespace keldra::ui
