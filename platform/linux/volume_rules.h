#pragma once
// Which mounted volumes a user would call drives, and of what type. Pure rules
// over mountinfo entries; the one fact that needs the system (is a block device
// removable?) is handed in.
#include <functional>

#include "platform/drive_table.h"
#include "platform/linux/mountinfo.h"

namespace keldra::platform::linux_impl {

// True for a block device with removable media or on a USB, FireWire or MMC bus.
using Removable_Test = std::function<bool(unsigned major, unsigned minor)>;

// Not drives: pseudo filesystems, snap images, overlays other than "/", tmpfs under
// /run, /dev, /sys or /proc, and FUSE views that are neither remote nor disk-backed
// (document portals and the like).
bool Is_Drive_Volume(const Mount_Entry& mount);

bool Is_Remote_Volume(const Mount_Entry& mount);

// Network, FUSE and automount volumes can leave a query waiting for ever.
bool Volume_May_Stall(const Mount_Entry* holding_mount);

Drive_Type Volume_Type(const Mount_Entry& mount, const Removable_Test& removable);

// The mount that holds an absolute path as written: of the mounts whose mount point
// is the longest prefix of the path at a "/" boundary, the one on top. Null for an
// empty table.
const Mount_Entry* Mount_Holding(const std::vector<Mount_Entry>& mounts, const std::string& path);

// True when prefix is a directory prefix of path at a "/" boundary ("/" prefixes all).
bool Is_Path_Prefix(const std::string& prefix, const std::string& path);

}  // namespace keldra::platform::linux_impl
