#pragma once
// DriveComboBox1 on Windows: an owner-drawn drop-down list of the machine's
// drives, each with its kind's picture, read when the dialog first opens.
#include <windows.h>

#include <optional>
#include <vector>

#include "monitor/chooser_entries.h"
#include "platform/drive_table.h"

namespace keldra::ui::win32 {

class Drive_Chooser {
 public:
  Drive_Chooser(HWND parent, int id, RECT bounds, const platform::Drive_Table& table);
  ~Drive_Chooser();
  void Ensure_Filled();
  std::optional<char> Current_Drive() const { return current_; }
  // The dialog passes these on: the user's pick, the item height, the drawing.
  void Picked();
  static UINT Item_Height(HFONT font);
  void Draw(const DRAWITEMSTRUCT& item) const;
  HWND Handle() const { return combo_; }

 private:
  HWND combo_ = nullptr;
  const platform::Drive_Table& table_;
  std::vector<monitor::Chooser_Entry> entries_;
  std::optional<char> current_;
  bool filled_ = false;
  LONG height_;  // the closed box's, from its place
  HBITMAP pictures_[5] = {};
};

}  // namespace keldra::ui::win32
