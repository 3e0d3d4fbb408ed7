#pragma once
// DriveComboBox1: the machine's drives, each with the picture of its kind, as the
// options dialog's behaviour has them; a pick is reported to it.
#include <QComboBox>
#include <functional>
#include <optional>
#include <vector>

#include "monitor/chooser_entries.h"
#include "platform/drive_table.h"

namespace keldra::ui {

class Drive_Chooser : public QComboBox {
  Q_OBJECT

 public:
  // on_pick hears the index of each entry the user picks.
  Drive_Chooser(std::function<void(std::size_t)> on_pick, QWidget* parent = nullptr);

  // The entries as the behaviour has them, and the one shown as current.
  void Show(const std::vector<monitor::Chooser_Entry>& entries, std::optional<std::size_t> current);

  // The shown entry's letter in lower case; nothing when none is shown.
  std::optional<char> Current_Drive() const;
  const std::vector<monitor::Chooser_Entry>& Entries() const { return entries_; }
  int Item_Height() const;

 private:
  std::vector<monitor::Chooser_Entry> entries_;
};

}  // namespace keldra::ui
