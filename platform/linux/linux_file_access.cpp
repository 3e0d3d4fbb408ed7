#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/file_access.h"

namespace keldra::platform {
namespace {

const char* const kAttributeName = "user.keldra.attributes";

std::string Real_Path(const std::string& path) {
  char buf[PATH_MAX];
  return realpath(path.c_str(), buf) ? std::string(buf) : path;
}

// Another open of the file by scanning every process's descriptors, for where a
// lease cannot be had. `except_fd` is our own test descriptor.
bool Open_Elsewhere_By_Scan(const std::string& path, int except_fd) {
  const std::string target = Real_Path(path);
  const std::string self = std::to_string(getpid());
  DIR* proc = opendir("/proc");
  if (!proc) return false;
  bool found = false;
  while (dirent* p = readdir(proc)) {
    if (p->d_name[0] < '0' || p->d_name[0] > '9') continue;
    const std::string fd_dir = std::string("/proc/") + p->d_name + "/fd";
    DIR* fds = opendir(fd_dir.c_str());
    if (!fds) continue;
    while (dirent* f = readdir(fds)) {
      if (f->d_name[0] == '.') continue;
      if (self == p->d_name && std::atoi(f->d_name) == except_fd) continue;
      char link[PATH_MAX];
      const std::string entry = fd_dir + "/" + f->d_name;
      const ssize_t n = readlink(entry.c_str(), link, sizeof link - 1);
      if (n > 0 && std::string(link, static_cast<std::size_t>(n)) == target) {
        found = true;
        break;
      }
    }
    closedir(fds);
    if (found) break;
  }
  closedir(proc);
  return found;
}

// True when another process holds a POSIX or OFD lock on any part of the file.
bool Locked_Elsewhere(int fd) {
  struct flock probe {};
  probe.l_type = F_WRLCK;
  probe.l_whence = SEEK_SET;
  probe.l_start = 0;
  probe.l_len = 0;
  if (fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK) return true;
  struct flock posix {};
  posix.l_type = F_WRLCK;
  posix.l_whence = SEEK_SET;
  return fcntl(fd, F_GETLK, &posix) == 0 && posix.l_type != F_UNLCK;
}

// Any other open of the file. A write lease is granted only while no other open
// exists; it is given up again at once so that nobody is kept waiting.
bool Open_Elsewhere(const std::string& path, int fd) {
  if (fcntl(fd, F_SETLEASE, F_WRLCK) == 0) {
    fcntl(fd, F_SETLEASE, F_UNLCK);
    return false;
  }
  if (errno == EAGAIN || errno == EBUSY) return true;
  return Open_Elsewhere_By_Scan(path, fd);  // no leases here (not owner, some filesystems)
}

}  // namespace

bool File_Exists(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

Open_Error Try_Open_Exclusive(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) {
      // A missing folder on the way is a missing path, as distinct from a missing file.
      const std::size_t slash = path.rfind('/');
      struct stat dir;
      if (slash != std::string::npos && slash > 0 &&
          stat(path.substr(0, slash).c_str(), &dir) != 0) {
        return Open_Error::Path_Not_Found;
      }
      return Open_Error::File_Not_Found;
    }
    if (errno == ENOTDIR) return Open_Error::Path_Not_Found;
    return Open_Error::Access_Denied;
  }
  if (S_ISDIR(st.st_mode) || (st.st_mode & 0222) == 0) return Open_Error::Access_Denied;
  const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    switch (errno) {
      case ENOENT: return Open_Error::File_Not_Found;
      case ENOTDIR: return Open_Error::Path_Not_Found;
      case ETXTBSY: return Open_Error::Sharing_Violation;
      case EIO:
      case ENXIO:
      case ENODEV: return Open_Error::Not_Ready;
      default: return Open_Error::Access_Denied;
    }
  }
  Open_Error code = Open_Error::Success;
  if (Locked_Elsewhere(fd)) {
    code = Open_Error::Lock_Violation;
  } else if (Open_Elsewhere(path, fd)) {
    code = Open_Error::Sharing_Violation;
  }
  close(fd);
  return code;
}

std::uint32_t Get_Attribute_Word(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return 0;
  std::uint32_t word = (st.st_mode & 0222) == 0 ? Attribute_Read_Only : 0;
  char value[16] = {};
  const ssize_t n = getxattr(path.c_str(), kAttributeName, value, sizeof value - 1);
  if (n > 0) {
    word |= static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10)) &
            (Attribute_Hidden | Attribute_System | Attribute_Archive);
  }
  return word;
}

bool Set_Attribute_Word(const std::string& path, std::uint32_t attributes) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return false;
  mode_t mode = st.st_mode & 07777;
  mode = (attributes & Attribute_Read_Only) ? (mode & ~0222u) : (mode | S_IWUSR);
  bool ok = chmod(path.c_str(), mode) == 0;
  const std::uint32_t rest = attributes & (Attribute_Hidden | Attribute_System | Attribute_Archive);
  if (rest != 0) {
    const std::string text = std::to_string(rest);
    // Where the filesystem keeps no user attributes these marks have nowhere to go.
    if (setxattr(path.c_str(), kAttributeName, text.data(), text.size(), 0) != 0 &&
        errno != ENOTSUP && errno != EPERM) {
      ok = false;
    }
  } else {
    removexattr(path.c_str(), kAttributeName);
  }
  return ok;
}

bool Delete_File(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd >= 0) {
    const bool busy = Locked_Elsewhere(fd) || Open_Elsewhere(path, fd);
    close(fd);
    if (busy) return false;
  }
  return unlink(path.c_str()) == 0;
}

}  // namespace keldra::platform
