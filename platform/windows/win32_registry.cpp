#include "platform/windows/win32_registry.h"

namespace keldra::platform::win32_impl {
namespace {

// Decided before <windows.h>, whose macros share the roots' names.
bool Is_Local_Machine(Registry_Root root) { return root == Registry_Root::Local_Machine; }

}  // namespace
}  // namespace keldra::platform::win32_impl

#include <windows.h>

namespace keldra::platform::win32_impl {
namespace {

HKEY Root_Key(Registry_Root root) {
  return Is_Local_Machine(root) ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// An open key, closed on every way out.
class Open_Key {
 public:
  Open_Key(Registry_Root root, const std::string& path, REGSAM access) {
    if (RegOpenKeyExA(Root_Key(root), path.c_str(), 0, access, &key_) != ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  ~Open_Key() {
    if (key_) RegCloseKey(key_);
  }
  Open_Key(const Open_Key&) = delete;
  Open_Key& operator=(const Open_Key&) = delete;
  explicit operator bool() const { return key_ != nullptr; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

bool Win32_Registry::Key_Exists(Registry_Root root, const std::string& path, unsigned access) {
  return static_cast<bool>(Open_Key(root, path, access));
}

bool Win32_Registry::Write_String(Registry_Root root, const std::string& path,
                                  const std::string& name, const std::string& data) {
  Open_Key key(root, path, KEY_ALL_ACCESS);
  if (!key) return false;
  // The stored string carries its terminating NUL, as the registry expects.
  return RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

std::optional<Registry_Value> Win32_Registry::Read_Value(Registry_Root root,
                                                         const std::string& path,
                                                         const std::string& name) {
  Open_Key key(root, path, KEY_ALL_ACCESS);
  if (!key) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::string data(size, '\0');
  // The value may grow between the two calls; ask again with the new size.
  LONG result = ERROR_MORE_DATA;
  while (result == ERROR_MORE_DATA) {
    data.resize(size);
    result = RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(data.data()), &size);
  }
  if (result != ERROR_SUCCESS) return std::nullopt;
  data.resize(size);
  Registry_Value value;
  value.type = type == REG_SZ          ? Registry_Type::String
               : type == REG_EXPAND_SZ ? Registry_Type::Expand_String
                                       : Registry_Type::Other;
  if (value.type != Registry_Type::Other)
    data.resize(data.find('\0') == std::string::npos ? data.size() : data.find('\0'));
  value.data = std::move(data);
  return value;
}

bool Win32_Registry::Delete_Value(Registry_Root root, const std::string& path,
                                  const std::string& name) {
  Open_Key key(root, path, KEY_ALL_ACCESS);
  return key && RegDeleteValueA(key.Get(), name.c_str()) == ERROR_SUCCESS;
}

bool Win32_Registry::Value_Exists(Registry_Root root, const std::string& path,
                                  const std::string& name) {
  Open_Key key(root, path, KEY_ALL_ACCESS);
  return key && RegQueryValueExA(key.Get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
                    ERROR_SUCCESS;
}

}  // namespace keldra::platform::win32_impl
