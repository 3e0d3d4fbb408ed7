#include "platform/linux/drive_letters.h"

#include <set>

#include "ini/ini_text.h"
#include "platform/linux/volume_rules.h"

namespace keldra::platform::linux_impl {
namespace {

std::string Without_Trailing_Slash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

using Device = std::pair<unsigned, unsigned>;

}  // namespace

Drive_Lines Read_Drive_Lines(std::string_view text) {
  Drive_Lines result{};
  // One pass over the section; the first line of a letter is the one that counts.
  for (const ini::Ini_Entry& e : ini::Ini_Section_Entries(text, "drives")) {
    if (e.name.size() != 1) continue;
    const int i = Drive_Letter_Index(e.name.front());
    if (i < 0 || result.lines[static_cast<std::size_t>(i)]) continue;
    result.lines[static_cast<std::size_t>(i)] = true;
    const std::string value = ini::Ini_Value_As_Read(e.value);
    if (!value.empty() && value.front() == '/') {
      result.pins[static_cast<std::size_t>(i)] = Without_Trailing_Slash(value);
    }
  }
  return result;
}

Letter_Assignment Assign_Drive_Letters(const Letter_Directories& pins,
                                       const std::vector<Mount_Entry>& mounts,
                                       const Letter_Lines& reserved) {
  Letter_Assignment result;
  result.letters = pins;

  std::set<Device> lettered;
  for (const Mount_Entry& m : mounts) {
    for (const std::string& dir : pins) {
      if (!dir.empty() && dir == m.mount_point) lettered.insert({m.major, m.minor});
    }
  }

  // One candidate mount per device: its first whole-volume mount, else its first.
  std::vector<const Mount_Entry*> chosen;
  std::set<Device> seen;
  for (std::size_t i = 0; i < mounts.size(); ++i) {
    const Mount_Entry& m = mounts[i];
    bool hidden = false;
    for (std::size_t j = i + 1; j < mounts.size() && !hidden; ++j) {
      hidden = mounts[j].mount_point == m.mount_point;
    }
    if (hidden || !Is_Drive_Volume(m)) continue;
    const Device dev{m.major, m.minor};
    if (seen.insert(dev).second) {
      chosen.push_back(&m);
    } else if (m.root == "/") {
      for (const Mount_Entry*& c : chosen) {
        if (Device{c->major, c->minor} == dev && c->root != "/") c = &m;
      }
    }
  }
  // Keep mount-table order among the chosen ones.
  std::vector<const Mount_Entry*> ordered;
  for (const Mount_Entry& m : mounts) {
    for (const Mount_Entry* c : chosen) {
      if (c == &m) ordered.push_back(c);
    }
  }

  auto take = [&](std::size_t index, const std::string& dir) {
    result.letters[index] = dir;
    result.added.emplace_back(static_cast<char>('A' + index), dir);
  };
  for (const Mount_Entry* m : ordered) {
    if (lettered.count({m->major, m->minor}) != 0) continue;
    bool done = false;
    if (m->mount_point == "/" && result.letters[2].empty() && !reserved[2]) {
      take(2, "/");
      done = true;
    }
    for (std::size_t i = 3; i < static_cast<std::size_t>(Drive_Letter_Count) && !done; ++i) {
      if (result.letters[i].empty() && !reserved[i]) {
        take(i, m->mount_point);
        done = true;
      }
    }
    if (done) lettered.insert({m->major, m->minor});
  }
  return result;
}

}  // namespace keldra::platform::linux_impl
