#pragma once
// The options dialog as its behaviour sees it, whatever draws it: it is told what
// to show (the list of monitored drives, the interval field's text, the chooser's
// entries and current drive, the drive limit, the two check boxes) and reports to
// the behaviour what the user did. It holds nothing the behaviour reads back.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "monitor/chooser_entries.h"

namespace keldra::ui {

class Options_Setup_View {
 public:
  virtual ~Options_Setup_View() = default;
  // ListBox1's entries, in their order, none selected.
  virtual void Show_Entries(const std::vector<std::string>& entries) = 0;
  // SpinEdit1's text.
  virtual void Show_Interval_Text(const std::string& text) = 0;
  // DriveComboBox1's entries and the one shown as current (none: nothing shown).
  virtual void Show_Chooser(const std::vector<monitor::Chooser_Entry>& entries,
                            std::optional<std::size_t> current) = 0;
  // Max_Drives_SpinEdit.
  virtual void Show_Drive_Limit(int limit) = 0;
  virtual void Show_Total_Checked(bool on) = 0;
  virtual void Show_Always_On_Top_Checked(bool on) = 0;
  // Modal; returns once the dialog is closed, by OK or its close box.
  virtual void Show_Modal() = 0;
  // Ends Show_Modal, as the close box does.
  virtual void Close() = 0;
  // ListBox1's selected entry, if any.
  virtual std::optional<int> Selected_Entry() const = 0;
  // Whether the check box of that name is ticked now.
  virtual bool Checked(const std::string& name) const = 0;
};

}  // namespace keldra::ui
