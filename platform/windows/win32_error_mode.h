#pragma once
// The process error mode itself: with SEM_FAILCRITICALERRORS the system fails a
// query on an empty drive instead of asking the user to insert a disk.
#include "platform/error_mode.h"

namespace keldra::platform::win32_impl {

class Win32_Error_Mode final : public Error_Mode {
 public:
  std::uint32_t Set_Error_Mode(std::uint32_t mode) override;
};

}  // namespace keldra::platform::win32_impl
