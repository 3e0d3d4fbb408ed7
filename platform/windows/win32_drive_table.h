#pragma once
// The drive table on Windows: the letters are the system's own (the logical-drive
// mask), each standing for its root directory "X:\".
#include <array>
#include <optional>
#include <string>

#include "platform/drive_table.h"
#include "platform/windows/win32_letter_askers.h"

namespace keldra::platform::win32_impl {

class Win32_Drive_Table final : public Drive_Table {
 public:
  // job: how a letter is asked; a test may hand in one that never answers.
  explicit Win32_Drive_Table(Win32_Letter_Askers::Job job = Ask_System);
  const std::string* Directory_Of(char letter) const override;
  using Drive_Table::Drives;
  std::vector<Drive_Entry> Drives(std::chrono::milliseconds wait) const override;
  // Made from the path's text alone: no volume is asked.
  using Drive_Table::Drive_Form;
  // Works the path out by its text alone: no volume is asked, so nothing waits.
  std::optional<std::string> Drive_Form(const std::string& path,
                                        std::chrono::milliseconds wait) const override;

  // Every question about a letter goes through these, the pass's too.
  Win32_Letter_Askers& Askers() const { return askers_; }

 private:
  std::array<std::string, Drive_Letter_Count> roots_;
  mutable Win32_Letter_Askers askers_;
  // Each letter's last description, for a drive whose new question is still out.
  mutable std::array<std::optional<Drive_Entry>, Drive_Letter_Count> described_;
};

// The type the system gives a root directory, in the table's terms.
Drive_Type Drive_Type_Of(unsigned system_type);

// The system's type, label and remote name of a drive, as the chooser lists them.
Drive_Entry Describe_Drive(char letter);

}  // namespace keldra::platform::win32_impl
