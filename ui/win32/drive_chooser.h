#pragma once
// DriveComboBox1 on Windows: an owner-drawn drop-down list of the machine's
// drives, each with its kind's picture, as the options dialog's behaviour has them.
#include <windows.h>

#include <optional>
#include <vector>

#include "monitor/chooser_entries.h"

namespace keldra::ui::win32 {

class Drive_Chooser {
 public:
  Drive_Chooser(HWND parent, int id, RECT bounds);
  ~Drive_Chooser();
  // The entries as the behaviour has them, and the one shown as current.
  void Show(const std::vector<monitor::Chooser_Entry>& entries, std::optional<std::size_t> current);
  // The entry the user picked, when the dialog hears of a change of selection.
  std::optional<std::size_t> Picked() const;
  // The shown entry's letter in lower case; nothing when none is shown.
  std::optional<char> Current_Drive() const;
  // The dialog passes these on: the item height, the drawing.
  static UINT Item_Height(HFONT font, int dpi);
  void Draw(const DRAWITEMSTRUCT& item) const;
  HWND Handle() const { return combo_; }

 private:
  void Fit_Height();

  HWND combo_ = nullptr;
  std::vector<monitor::Chooser_Entry> entries_;
  LONG height_;  // the closed box's, from its place
  bool fitted_ = false;
  HBITMAP pictures_[5] = {};
};

}  // namespace keldra::ui::win32
