#pragma once
// Registry helpers for the tests that run as Windows programs.
#include <string>

namespace keldra::test {

// A registry value written or removed by the registry calls themselves, so that a
// test can set the scene without going through the code under test.
void Set_Raw_Value(const std::string& key, const std::string& name, unsigned type,
                   const std::string& data);
void Remove_Raw_Value(const std::string& key, const std::string& name);

}  // namespace keldra::test
