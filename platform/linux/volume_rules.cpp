#include "platform/linux/volume_rules.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace keldra::platform::linux_impl {
namespace {

bool Starts_With(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

bool One_Of(std::string_view value, std::initializer_list<std::string_view> set) {
  return std::find(set.begin(), set.end(), value) != set.end();
}

bool Is_Pseudo_Filesystem(std::string_view type) {
  return One_Of(
      type, {"proc",      "sysfs",       "cgroup",     "cgroup2",  "devpts", "devtmpfs",  "mqueue",
             "debugfs",   "tracefs",     "securityfs", "pstore",   "bpf",    "configfs",  "fusectl",
             "hugetlbfs", "binfmt_misc", "autofs",     "efivarfs", "nsfs",   "rpc_pipefs"});
}

bool Under_System_Tree(const std::string& point) {
  for (const char* top : {"/run", "/dev", "/sys", "/proc"}) {
    if (Is_Path_Prefix(top, point)) return true;
  }
  return false;
}

bool Is_Fuse(std::string_view type) { return type == "fuse" || Starts_With(type, "fuse."); }

bool Is_Block_Backed(const Mount_Entry& m) {
  return m.major != 0 || Starts_With(m.source, "/dev/");
}

}  // namespace

bool Is_Path_Prefix(const std::string& prefix, const std::string& path) {
  if (prefix == "/") return !path.empty() && path[0] == '/';
  if (!Starts_With(path, prefix)) return false;
  return path.size() == prefix.size() || path[prefix.size()] == '/';
}

bool Is_Remote_Volume(const Mount_Entry& m) {
  if (One_Of(m.fs_type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "ceph", "glusterfs", "afs",
                         "davfs", "fuse.sshfs", "fuse.rclone"})) {
    return true;
  }
  const std::string& s = m.source;
  if (Starts_With(s, "//") && s.size() > 2) return true;  // //host/share
  if (s.empty() || s[0] == '/') return false;
  std::size_t colon = s.find(":/");
  return colon != std::string::npos && colon > 0;  // host:/path, user@host:/path
}

bool Is_Drive_Volume(const Mount_Entry& m) {
  const std::string_view type = m.fs_type;
  if (Is_Pseudo_Filesystem(type) || type == "squashfs") return false;
  if (type == "overlay" && m.mount_point != "/") return false;
  if (type == "tmpfs" && Under_System_Tree(m.mount_point)) return false;
  if (Is_Fuse(type)) {
    // A FUSE volume that is neither network nor disk-backed is a helper view
    // (document portals, archive browsers), not a drive.
    return Is_Remote_Volume(m) || Is_Block_Backed(m) || type == "fuseblk";
  }
  return true;
}

bool Volume_May_Stall(const Mount_Entry* m) {
  if (m == nullptr) return true;  // nothing known about it: do not trust it
  return Is_Remote_Volume(*m) || Is_Fuse(m->fs_type) || m->fs_type == "fuseblk" ||
         m->fs_type == "autofs";
}

Drive_Type Volume_Type(const Mount_Entry& m, const Removable_Test& removable) {
  if (Is_Remote_Volume(m)) return Drive_Type::Remote;
  const std::string& s = m.source;
  if (m.fs_type == "iso9660" || m.fs_type == "udf" || Starts_With(s, "/dev/sr")) {
    return Drive_Type::Cdrom;
  }
  if (m.fs_type == "tmpfs" || m.fs_type == "ramfs" || Starts_With(s, "/dev/ram") ||
      Starts_With(s, "/dev/zram")) {
    return Drive_Type::Ramdisk;
  }
  if (m.major != 0 && removable && removable(m.major, m.minor)) return Drive_Type::Removable;
  return Drive_Type::Fixed;
}

const Mount_Entry* Mount_Holding(const std::vector<Mount_Entry>& mounts, const std::string& path) {
  const Mount_Entry* longest = nullptr;
  for (const Mount_Entry& m : mounts) {
    if (!Is_Path_Prefix(m.mount_point, path)) continue;
    if (!longest || m.mount_point.size() > longest->mount_point.size()) longest = &m;
  }
  if (longest == nullptr) return nullptr;
  // Of the mounts at that point, the one on top: a mount made over another has it
  // as its parent. The table's order does not tell: a mount moved onto the point
  // keeps its earlier place in it.
  const Mount_Entry* top = nullptr;
  for (const Mount_Entry& m : mounts) {
    if (m.mount_point != longest->mount_point) continue;
    const bool covered = std::any_of(mounts.begin(), mounts.end(), [&](const Mount_Entry& n) {
      return n.mount_point == m.mount_point && n.parent_id == m.mount_id &&
             n.mount_id != m.mount_id;
    });
    if (!covered) top = &m;
  }
  return top ? top : longest;
}

}  // namespace keldra::platform::linux_impl
