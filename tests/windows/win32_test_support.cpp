#include "tests/windows/win32_test_support.h"

#include <windows.h>

namespace keldra::test {

std::string Host_Path_Of(const std::string& windows_path) {
  // Wine's own translation of a DOS path to the host's, exported by ntdll's host
  // side; absent on real Windows.
  using To_Unix = char*(__cdecl*)(const WCHAR*);
  auto to_unix = reinterpret_cast<To_Unix>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!to_unix) return std::string();
  std::wstring wide(windows_path.begin(), windows_path.end());
  char* unix_path = to_unix(wide.c_str());
  if (!unix_path) return std::string();
  std::string result(unix_path);
  HeapFree(GetProcessHeap(), 0, unix_path);
  return result;
}

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
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS, &k) != ERROR_SUCCESS) return;
  RegDeleteValueA(k, name.c_str());
  RegCloseKey(k);
}

}  // namespace keldra::test
