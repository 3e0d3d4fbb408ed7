#include "ui/qt/menu_mark.h"

namespace keldra::ui {

Menu_Mark::Menu_Mark(QAction* action, std::function<void()> on_click)
    : QObject(action), action_(action) {
  action_->setCheckable(true);
  action_->setChecked(false);
  connect(action_, &QAction::triggered, this, [this, on_click = std::move(on_click)](bool) {
    // Qt has already flipped the mark: put it back before the routine decides.
    action_->setChecked(checked_);
    on_click();
  });
}

void Menu_Mark::Set_Checked(bool checked) {
  checked_ = checked;
  action_->setChecked(checked);
}

}  // namespace keldra::ui
