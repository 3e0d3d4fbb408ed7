#pragma once
// A drive table in memory: figures per letter, and every query counted.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/disk_space.h"

namespace keldra::test {

class Fake_Disk_Space final : public platform::Disk_Space {
 public:
  void Set(char letter, platform::u128 free_bytes, platform::u128 total_bytes) {
    figures_[letter] = {free_bytes, total_bytes, free_bytes, true};
  }
  platform::Disk_Space_Figures Get_Disk_Free_Space_Ex(std::string_view root_path) override {
    queried.emplace_back(root_path);
    if (on_query) on_query();
    auto it = figures_.find(root_path.empty() ? '\0' : root_path[0]);
    return it == figures_.end() ? platform::Disk_Space_Figures{} : it->second;
  }
  std::vector<std::string> queried;
  std::function<void()> on_query;

 private:
  std::map<char, platform::Disk_Space_Figures> figures_;
};

}  // namespace keldra::test
