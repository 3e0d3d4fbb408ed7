#pragma once
// Small helpers for the tests that run as Windows programs: the same registry
// helpers the tests would otherwise repeat, and the Linux side of Wine's drives.
#include <string>

namespace keldra::test {

// The folder a Windows path stands for on the host ("Z:\tmp" -> "/tmp"), from
// Wine's own mapping; "" outside Wine.
std::string Host_Path_Of(const std::string& windows_path);

// A registry value written or removed by the registry calls themselves, so that a
// test can set the scene without going through the code under test.
void Set_Raw_Value(const std::string& key, const std::string& name, unsigned type,
                   const std::string& data);
void Remove_Raw_Value(const std::string& key, const std::string& name);

}  // namespace keldra::test
