#include "platform/linux/path_walk.h"

#include <sys/stat.h>
#include <unistd.h>

#include <deque>

#include "platform/linux/volume_rules.h"

namespace keldra::platform::linux_impl {
namespace {

// As many links as the kernel follows in one path before it gives up.
constexpr int kMaxLinks = 40;

void Push_Names_Front(std::deque<std::string>& names, const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t slash = path.find('/', start);
    const std::size_t end = slash == std::string::npos ? path.size() : slash;
    if (end > start) parts.push_back(path.substr(start, end - start));
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  names.insert(names.begin(), parts.begin(), parts.end());
}

std::string Join(const std::string& dir, const std::string& name) {
  return dir == "/" ? "/" + name : dir + "/" + name;
}

std::string Parent_Of(const std::string& dir) {
  const std::size_t slash = dir.rfind('/');
  return slash == 0 || slash == std::string::npos ? "/" : dir.substr(0, slash);
}

// The topmost mount whose mount point is exactly dir, or null.
const Mount_Entry* Mount_At(const std::vector<Mount_Entry>& mounts, const std::string& dir) {
  const Mount_Entry* found = nullptr;
  for (const Mount_Entry& m : mounts) {
    if (m.mount_point == dir) found = &m;  // later entries are mounted over earlier ones
  }
  return found;
}

}  // namespace

Name_Kind Look_At_Name(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return {};
  if (S_ISDIR(st.st_mode)) return {Name_Kind::Directory, {}};
  if (!S_ISLNK(st.st_mode)) return {Name_Kind::Other, {}};
  std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
  const ssize_t n = readlink(path.c_str(), target.data(), target.size());
  if (n < 0 || static_cast<std::size_t>(n) >= target.size()) return {};
  target.resize(static_cast<std::size_t>(n));
  return {Name_Kind::Link, target};
}

Walked_Path Walk_Path(const std::string& path, const std::vector<Mount_Entry>& mounts,
                      const Name_Lookup& look) {
  Walked_Path result;
  if (path.empty() || path.front() != '/') return result;
  // "/" itself may be on a volume that stalls (a diskless machine's NFS root):
  // then nothing can be looked at.
  const Mount_Entry* root = Mount_At(mounts, "/");
  if (!mounts.empty() && (root == nullptr || Volume_May_Stall(root))) {
    result.outcome = Walked_Path::May_Stall;
    result.volume = root;
    result.path = path;
    return result;
  }
  std::deque<std::string> names;
  Push_Names_Front(names, path);
  std::string walked = "/";
  int links = 0;
  bool last_was_folder = true;
  while (!names.empty()) {
    const std::string name = names.front();
    names.pop_front();
    if (name == ".") continue;
    if (!last_was_folder) return result;  // a name below a file
    if (name == "..") {
      walked = Parent_Of(walked);  // walked has no links in it, so its parent is real
      continue;
    }
    const std::string next = Join(walked, name);
    if (const Mount_Entry* m = Mount_At(mounts, next)) {
      if (Volume_May_Stall(m)) {
        // Nothing below this mount point can be looked at: the rest is taken as
        // written. A ".." straight back out of it is the one step that needs no
        // answer from the volume, and the walk goes on from there.
        while (!names.empty() && names.front() == ".") names.pop_front();
        if (!names.empty() && names.front() == "..") {
          names.pop_front();
          continue;  // walked is still the mount point's parent
        }
        std::string inside = next;
        for (const std::string& rest : names) {
          if (rest != ".") inside = rest == ".." ? Parent_Of(inside) : Join(inside, rest);
        }
        result.outcome = Walked_Path::May_Stall;
        result.volume = m;
        result.path = inside;
        return result;
      }
      walked = next;  // a mount point of a volume that answers: a folder
      continue;
    }
    const Name_Kind kind = look(next);
    switch (kind.kind) {
      case Name_Kind::Missing: return result;
      case Name_Kind::Directory: walked = next; break;
      case Name_Kind::Other:
        walked = next;
        last_was_folder = false;
        break;
      case Name_Kind::Link:
        if (++links > kMaxLinks || kind.link_target.empty()) return result;
        if (kind.link_target.front() == '/') walked.assign(1, '/');
        Push_Names_Front(names, kind.link_target);
        break;
    }
  }
  // Every mount point on the way was checked, so the volume that holds the path
  // answers.
  result.volume = Mount_Holding(mounts, walked);
  result.outcome = Walked_Path::Local;
  result.path = walked;
  return result;
}

}  // namespace keldra::platform::linux_impl
