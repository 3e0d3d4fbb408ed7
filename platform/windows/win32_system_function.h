#pragma once
// A function of a system library, loaded the first time it is needed. The shell,
// network and window libraries pull in much of the system when a program starts;
// keldra-report needs none of them for its rows, so none is linked at start.
#include <windows.h>

namespace keldra::platform::win32_impl {

// The function, or nullptr when the library or the function is not there. The
// library stays loaded for the rest of the run.
template <class Function>
Function* System_Function(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  if (!module) module = LoadLibraryA(library);
  if (!module) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace keldra::platform::win32_impl
