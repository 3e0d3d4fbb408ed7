#include "tests/windows/win32_test_support.h"

#include <windows.h>

namespace keldra::test {

void Set_Raw_Value(const std::string& key, const std::string& name, unsigned type,
                   const std::string& data) {
  HKEY k;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExA(k, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                 static_cast<DWORD>(data.size()));
  RegCloseKey(k);
}

void Remove_Raw_Value(const std::string& key, const std::string& name) {
  HKEY k;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS, &k) != ERROR_SUCCESS)
    return;
  RegDeleteValueA(k, name.c_str());
  RegCloseKey(k);
}

}  // namespace keldra::test
