#pragma once
// Which letter stands for which directory: the pins of drives.ini first, then
// automatic letters for the volumes a user would call drives.
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/drive_table.h"
#include "platform/linux/mountinfo.h"

namespace keldra::platform::linux_impl {

// Index 0 is A. An empty string: no directory behind that letter.
using Letter_Directories = std::array<std::string, Drive_Letter_Count>;

// Index 0 is A: the letters that have a line of their own in section "drives",
// usable or not. Those are the user's: never given out automatically.
using Letter_Lines = std::array<bool, Drive_Letter_Count>;

// Both from one pass over section "drives": the pins are keys A to Z in either
// case, each an absolute directory (a trailing "/" is dropped); any other line is
// ignored.
struct Drive_Lines {
  Letter_Directories pins;
  Letter_Lines lines;
};
Drive_Lines Read_Drive_Lines(std::string_view drives_ini_text);

struct Letter_Assignment {
  Letter_Directories letters;
  std::vector<std::pair<char, std::string>> added;  // new automatic letters, in order
};

// "/" gets C unless C is pinned or has a line; every other drive volume without a
// letter gets the lowest letter from D upward that is neither pinned nor has a line
// (reserved), in mount-table order. A volume already has a
// letter when a pinned directory is one of its mount points; bind mounts and second
// mounts of a device share its letter; a mount hidden under a later one is skipped.
Letter_Assignment Assign_Drive_Letters(const Letter_Directories& pins,
                                       const std::vector<Mount_Entry>& mounts,
                                       const Letter_Lines& reserved = {});

}  // namespace keldra::platform::linux_impl
