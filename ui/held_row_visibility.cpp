#include "ui/held_row_visibility.h"

namespace keldra::ui {

void Held_Row_Visibility::Set_Visible(int row, monitor::Row_Control control, bool visible) {
  asked_.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(control)) = visible;
}

void Held_Row_Visibility::Release() {
  for (std::size_t r = 0; r < asked_.size(); ++r) {
    for (std::size_t c = 0; c < asked_[r].size(); ++c) {
      std::optional<bool>& asked = asked_[r][c];
      if (asked && *asked != shown_[r][c]) {
        window_.Set_Visible(static_cast<int>(r + 1), static_cast<monitor::Row_Control>(c), *asked);
        shown_[r][c] = *asked;
      }
      asked.reset();
    }
  }
}

}  // namespace keldra::ui
