#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "platform/file_system.h"
#include "platform/module_path.h"

namespace keldra::platform {
namespace {

// Root passes every permission check, yet a user who took the write marks off a
// file or folder means "do not change this": honour the marks for root too.
bool May_Write(const std::string& path, const struct stat& st) {
  if (geteuid() == 0) return (st.st_mode & 0222) != 0;
  return access(path.c_str(), W_OK) == 0;
}

bool Write_All(int fd, const std::string& content) {
  const char* p = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    ssize_t n = write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// A settings file reached through a link is written where the link points, so
// the link itself survives the rename.
std::string Resolve_Link(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char buf[PATH_MAX];
    if (realpath(path.c_str(), buf) != nullptr) return buf;
  }
  return path;
}

// A write killed half-way leaves its temporary file behind. The next write of the
// same file removes those that are clearly abandoned: a live writer finishes in
// milliseconds, so anything a minute old belongs to nobody.
void Remove_Abandoned_Temporaries(const std::string& folder, const std::string& name) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return;
  const std::string prefix = "." + name + ".";
  const time_t now = time(nullptr);
  while (dirent* e = readdir(dir)) {
    const std::string entry = e->d_name;
    if (entry.size() != prefix.size() + 6 || entry.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string path = folder + entry;
    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && now - st.st_mtime > 60) {
      unlink(path.c_str());
    }
  }
  closedir(dir);
}

}  // namespace

File_Text Read_Text_File(const std::string& path) {
  File_Text result;
  // Without waiting for a writer: a FIFO or a device in the file's place is not a
  // file to read, and says so at once.
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    result.status =
        (errno == ENOENT || errno == ENOTDIR) ? Read_Status::Missing : Read_Status::Failed;
    return result;
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    result.status = Read_Status::Failed;
    return result;
  }
  std::string text;
  if (st.st_size > 0) text.reserve(static_cast<std::size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    ssize_t n = read(fd, buf, sizeof buf);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      close(fd);
      result.status = Read_Status::Failed;
      return result;
    }
    text.append(buf, static_cast<std::size_t>(n));
  }
  close(fd);
  result.status = Read_Status::Ok;
  result.text = std::move(text);
  return result;
}

bool Is_Directory(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Is_Writable_Directory(const std::string& folder) {
  struct stat st;
  return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && May_Write(folder, st);
}

bool Write_Text_File_Atomically(const std::string& path, const std::string& content) {
  return Write_Text_File_Atomically(path, content, Atomic_Write_Options{});
}

bool Write_Text_File_Atomically(const std::string& requested_path, const std::string& content,
                                const Atomic_Write_Options& options) {
  const std::string path = options.follow_links ? Resolve_Link(requested_path) : requested_path;
  std::string folder = Directory_With_Separator(path);
  if (folder.empty()) folder = "./";

  struct stat folder_st;
  if (stat(folder.c_str(), &folder_st) != 0 || !S_ISDIR(folder_st.st_mode) ||
      !May_Write(folder, folder_st)) {
    return false;
  }
  struct stat old_st;
  bool exists =
      (options.follow_links ? stat(path.c_str(), &old_st) : lstat(path.c_str(), &old_st)) == 0;
  const bool is_link = exists && S_ISLNK(old_st.st_mode);
  if (exists && !is_link && (!S_ISREG(old_st.st_mode) || !May_Write(path, old_st))) return false;
  if (is_link) exists = false;  // the link goes; the new file takes fresh permissions

  Remove_Abandoned_Temporaries(folder, File_Name_Of(path));
  std::string temp = folder + "." + File_Name_Of(path) + ".XXXXXX";
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  int fd = mkstemp(name.data());
  if (fd < 0) return false;
  temp.assign(name.data());

  mode_t mode;
  if (options.mode >= 0) {
    mode = static_cast<mode_t>(options.mode);
  } else if (exists) {
    mode = old_st.st_mode & 07777;
  } else {
    mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  bool ok = Write_All(fd, content) && fchmod(fd, mode) == 0;
  if (ok && exists && geteuid() == 0) {
    // Keep a user's file theirs when root rewrites it.
    (void)!fchown(fd, old_st.st_uid, old_st.st_gid);
  }
  ok = ok && fsync(fd) == 0;
  ok = (close(fd) == 0) && ok;
  ok = ok && rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    unlink(temp.c_str());
    return false;
  }
  int dir_fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir_fd >= 0) {
    fsync(dir_fd);
    close(dir_fd);
  }
  return true;
}

}  // namespace keldra::platform
