// The small system readings: the error mode, the start-up show state, memory and
// the user's decimal separator.

#include <windows.h>
#include "platform/memory_status.h"
#include "platform/regional.h"
#include "platform/startup_info.h"
#include "platform/windows/win32_error_mode.h"

namespace keldra::platform {

std::uint32_t win32_impl::Win32_Error_Mode::Set_Error_Mode(std::uint32_t mode) {
  return SetErrorMode(mode);
}

Startup_Info Get_Startup_Info() {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  GetStartupInfoA(&si);
  Startup_Info info;
  info.uses_show_window = (si.dwFlags & STARTF_USESHOWWINDOW) != 0;
  if (info.uses_show_window) info.show_command = si.wShowWindow;
  return info;
}

// GlobalMemoryStatus answers in 32-bit fields, which a machine with more than
// 4 GB overflows (a 32-bit program then sees "available" above "total" and a
// percentage past 100); its extended form has the same figures in 64 bits.
Memory_Status Global_Memory_Status() {
  MEMORYSTATUSEX ms{};
  ms.dwLength = sizeof ms;
  Memory_Status m;
  if (!GlobalMemoryStatusEx(&ms)) return m;
  m.total_phys = ms.ullTotalPhys;
  m.avail_phys = ms.ullAvailPhys;
  m.total_page_file = ms.ullTotalPageFile;
  m.avail_page_file = ms.ullAvailPageFile;
  return m;
}

std::string Decimal_Separator_From_Environment() {
  char separator[8] = {};
  const int length =
      GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
  return length > 1 ? std::string(separator) : std::string(".");
}

}  // namespace keldra::platform
