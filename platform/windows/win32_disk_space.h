#pragma once
// Space figures from GetDiskFreeSpaceExA, asked on the letters' workers as the held
// policy says: any drive may keep the call waiting (a mapped drive whose server has
// gone, a card reader, an optical drive spinning up).
#include <memory>
#include <string>

#include "platform/held_disk_space.h"
#include "platform/windows/win32_letter_askers.h"

namespace keldra::platform::win32_impl {

Disk_Space_Figures Query_Disk_Free_Space(const std::string& root_path);

class Win32_Disk_Space final : public Held_Disk_Space {
 public:
  explicit Win32_Disk_Space(Win32_Letter_Askers& askers,
                            std::chrono::milliseconds wait = Volume_Wait,
                            std::chrono::milliseconds hold = Held_Answer_Limit)
      : Held_Disk_Space(std::make_unique<Win32_Drive_Askers>(askers), wait, hold) {}
};

}  // namespace keldra::platform::win32_impl
