#pragma once
// The system's registry, through the Reg*A calls: every call opens its key,
// uses it and closes it again.
#include "platform/registry.h"

namespace keldra::platform::win32_impl {

class Win32_Registry final : public Registry {
 public:
  bool Key_Exists(Registry_Root root, const std::string& path, unsigned access) override;
  bool Write_String(Registry_Root root, const std::string& path, const std::string& name,
                    const std::string& data) override;
  std::optional<Registry_Value> Read_Value(Registry_Root root, const std::string& path,
                                           const std::string& name) override;
  bool Delete_Value(Registry_Root root, const std::string& path, const std::string& name) override;
  bool Value_Exists(Registry_Root root, const std::string& path, const std::string& name) override;
};

}  // namespace keldra::platform::win32_impl
