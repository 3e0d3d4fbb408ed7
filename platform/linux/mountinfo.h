#pragma once
// /proc/self/mountinfo as data. Parsing only: the caller reads the text.
#include <string>
#include <string_view>
#include <vector>

namespace keldra::platform::linux_impl {

struct Mount_Entry {
  int mount_id = 0;
  int parent_id = 0;
  unsigned major = 0;
  unsigned minor = 0;
  std::string root;         // the directory of the volume that is mounted here
  std::string mount_point;  // where, escapes decoded
  std::string fs_type;      // "ext4", "fuse.sshfs", ...
  std::string source;       // "/dev/sda1", "server:/export", "tmpfs", ...
};

// Decodes the kernel's octal escapes (\040 for a space, \011, \012, \134).
std::string Decode_Mount_Escapes(std::string_view text);

// One entry per well-formed line, in the kernel's order; malformed lines are skipped.
std::vector<Mount_Entry> Parse_Mountinfo(std::string_view text);

// The mount points /etc/fstab declares (its second field, escapes decoded, a trailing
// "/" dropped), swap and "none" left out: folders that are meant to hold a volume.
std::vector<std::string> Parse_Fstab_Mount_Points(std::string_view text);

}  // namespace keldra::platform::linux_impl
