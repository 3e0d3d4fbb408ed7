#pragma once
// Platform services in memory for the window's behaviour: a drive table that
// letters paths by prefix, a launcher that records what it would open, and a
// registry of values in a map.
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/drive_table.h"
#include "platform/launcher.h"
#include "platform/registry.h"

namespace keldra::test {

class Fake_Drive_Table final : public platform::Drive_Table {
 public:
  const std::string* Directory_Of(char letter) const override {
    const auto found = directories.find(letter);
    return found == directories.end() ? nullptr : &found->second;
  }
  std::map<char, std::string> directories;
  using Drive_Table::Drives;
  std::vector<platform::Drive_Entry> Drives(std::chrono::milliseconds wait) const override {
    waits.push_back(wait);
    return drives;
  }
  mutable std::vector<std::chrono::milliseconds> waits;  // of each call of Drives
  using Drive_Table::Drive_Form;
  std::optional<std::string> Drive_Form(const std::string& path,
                                        std::chrono::milliseconds wait) const override {
    form_waits.push_back(wait);
    for (const auto& [prefix, letter] : forms) {
      if (path.rfind(prefix, 0) == 0)
        return std::string(1, letter) + ":" + path.substr(prefix.size());
    }
    return std::nullopt;
  }
  std::vector<platform::Drive_Entry> drives;
  std::vector<std::pair<std::string, char>> forms;            // path prefix, its letter
  mutable std::vector<std::chrono::milliseconds> form_waits;  // of each call of Drive_Form
};

// Starts nothing: records what would have been opened.
class Recording_Launcher final : public platform::Launcher {
 public:
  std::string Document_Viewer() override { return has_opener ? "viewer" : ""; }
  bool View_Document(const std::string& viewer, const std::string& path) override {
    started.push_back(viewer + " [" + path + "]");
    return true;
  }
  bool Open_Address(const std::string& address) override {
    started.push_back("open [" + address + "]");
    return has_opener;
  }
  bool has_opener = true;
  std::vector<std::string> started;
};

class Memory_Registry final : public platform::Registry {
 public:
  using Key = std::tuple<platform::Registry_Root, std::string, std::string>;
  bool Key_Exists(platform::Registry_Root, const std::string&, unsigned) override { return true; }
  bool Write_String(platform::Registry_Root root, const std::string& path, const std::string& name,
                    const std::string& data) override {
    if (!writable) return false;
    values[{root, path, name}] = {platform::Registry_Type::String, data};
    return true;
  }
  std::optional<platform::Registry_Value> Read_Value(platform::Registry_Root root,
                                                     const std::string& path,
                                                     const std::string& name) override {
    const auto it = values.find({root, path, name});
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  bool Delete_Value(platform::Registry_Root root, const std::string& path,
                    const std::string& name) override {
    return writable && values.erase({root, path, name}) == 1;
  }
  bool Value_Exists(platform::Registry_Root root, const std::string& path,
                    const std::string& name) override {
    return values.count({root, path, name}) == 1;
  }
  bool writable = true;
  std::map<Key, platform::Registry_Value> values;
};

}  // namespace keldra::test
