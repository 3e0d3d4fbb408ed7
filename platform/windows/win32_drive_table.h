#pragma once
// The drive table on Windows: the letters are the system's own (the logical-drive
// mask), each standing for its root directory "X:\".
#include <array>
#include <string>

#include "platform/drive_table.h"

namespace keldra::platform::win32_impl {

class Win32_Drive_Table final : public Drive_Table {
 public:
  Win32_Drive_Table();
  const std::string* Directory_Of(char letter) const override;
  std::vector<Drive_Entry> Drives() const override;
  // Network drives: the system may wait a long time on an unreachable server.
  bool Query_May_Stall(char letter) override;
  std::optional<std::string> Drive_Form(const std::string& path) const override;

 private:
  std::array<std::string, Drive_Letter_Count> roots_;
};

// The type the system gives a root directory, in the table's terms.
Drive_Type Drive_Type_Of(unsigned system_type);

}  // namespace keldra::platform::win32_impl
