#pragma once
// Resolving a path without ever waiting on a volume that may not answer.
//
// Whether asking a path can hang depends on the volumes its resolution passes
// through, not on its text: a link or a ".." can lead from a local folder into a
// dead network mount. So the path is walked here one name at a time, with the
// mount table at hand: names on local volumes are looked at (a link is read and
// followed), and the walk stops at the mount point of a volume that may stall,
// before anything asks that volume. The rest of the path is then taken as written.
#include <functional>
#include <string>
#include <vector>

#include "platform/linux/mountinfo.h"

namespace keldra::platform::linux_impl {

// What a look at one name on a local volume found.
struct Name_Kind {
  enum Kind { Missing, Directory, Link, Other } kind = Missing;
  std::string link_target;  // for a link
};
// Looks at a name without following it (lstat, then readlink for a link).
using Name_Lookup = std::function<Name_Kind(const std::string& path)>;
Name_Kind Look_At_Name(const std::string& path);

struct Walked_Path {
  enum Outcome {
    Local,      // resolved: every name on it is on volumes that answer
    May_Stall,  // it leads into a volume that may not answer: ask it elsewhere
    Missing,    // a name on the way is not there, not a folder, or links loop
  } outcome = Missing;
  // Local: the real path. May_Stall: the real path up to the volume's mount point,
  // the rest as written ("." and ".." taken away).
  std::string path;
  // The volume that holds the path (May_Stall: the one that may stall); null when
  // the mount table is empty.
  const Mount_Entry* volume = nullptr;
};

// Walks an absolute path. Relative paths are Missing. The last name need not be a
// folder (a dropped file is walked too).
Walked_Path Walk_Path(const std::string& path, const std::vector<Mount_Entry>& mounts,
                      const Name_Lookup& look = Look_At_Name);

}  // namespace keldra::platform::linux_impl
