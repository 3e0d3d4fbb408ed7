#pragma once
// DriveComboBox1: the machine's drives, each with the picture of its kind. The list
// is read once, when the chooser is first needed, and kept for the run.
#include <QComboBox>
#include <optional>
#include <vector>

#include "monitor/chooser_entries.h"
#include "platform/drive_table.h"

namespace keldra::ui {

class Drive_Chooser : public QComboBox {
  Q_OBJECT

 public:
  Drive_Chooser(const platform::Drive_Table& table, QWidget* parent = nullptr);

  // Reads the drive table the first time only.
  void Ensure_Filled();
  bool Filled() const { return filled_; }

  // The current drive's letter in lower case; nothing when there is none (the
  // current directory lies on no lettered drive and the user has picked nothing).
  std::optional<char> Current_Drive() const { return current_; }
  const std::vector<monitor::Chooser_Entry>& Entries() const { return entries_; }
  int Item_Height() const;

 private:
  const platform::Drive_Table& table_;
  std::vector<monitor::Chooser_Entry> entries_;
  std::optional<char> current_;
  bool filled_ = false;
};

}  // namespace keldra::ui
