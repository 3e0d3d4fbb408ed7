#pragma once
// The registry, as far as Keldra uses it: keys opened by root and absolute path
// with a requested access, and string values under them. Every call opens, uses
// and releases what it needs within itself.
#include <optional>
#include <string>

namespace keldra::platform {

// The system's HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE.
enum class Registry_Root { Current_User, Local_Machine };

// The system's KEY_ALL_ACCESS.
inline constexpr unsigned Key_All_Access = 0xF003F;

enum class Registry_Type { String, Expand_String, Other };

struct Registry_Value {
  Registry_Type type = Registry_Type::String;
  std::string data;  // for strings: the text up to its first NUL
};

class Registry {
 public:
  virtual ~Registry() = default;
  // The key can be opened with the access asked for. Paths are given without their
  // leading backslash, as they are opened.
  virtual bool Key_Exists(Registry_Root root, const std::string& path, unsigned access) = 0;
  // False when the data could not be set.
  virtual bool Write_String(Registry_Root root, const std::string& path, const std::string& name,
                            const std::string& data) = 0;
  // Nothing when the key or the value is missing.
  virtual std::optional<Registry_Value> Read_Value(Registry_Root root, const std::string& path,
                                                   const std::string& name) = 0;
  virtual bool Delete_Value(Registry_Root root, const std::string& path,
                            const std::string& name) = 0;
  virtual bool Value_Exists(Registry_Root root, const std::string& path,
                            const std::string& name) = 0;
};

}  // namespace keldra::platform
