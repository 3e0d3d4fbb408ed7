// The small system readings: the error mode, the start-up show state, memory and
// the user's decimal separator.

#include "platform/memory_status.h"
#include "platform/regional.h"
#include "platform/startup_info.h"
#include "platform/windows/win32_error_mode.h"
#include <windows.h>  // last: its macros share names with Keldra's constants

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

Memory_Status Global_Memory_Status() {
  MEMORYSTATUS ms{};
  ms.dwLength = sizeof ms;
  GlobalMemoryStatus(&ms);
  Memory_Status m;
  m.total_phys = ms.dwTotalPhys;
  m.avail_phys = ms.dwAvailPhys;
  m.total_page_file = ms.dwTotalPageFile;
  m.avail_page_file = ms.dwAvailPageFile;
  return m;
}

std::string Decimal_Separator_From_Environment() {
  char separator[8] = {};
  const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
  return length > 1 ? std::string(separator) : std::string(".");
}

}  // namespace keldra::platform
