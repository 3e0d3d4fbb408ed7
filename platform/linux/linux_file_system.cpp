#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
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

}  // namespace

// A settings file reached through a link is written where the link points, so that
// the link survives the rename; every link is followed, even to a target that does
// not exist yet, which the write then creates. Empty for a loop of links: nothing
// there can be written.
std::string Link_Target(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops < 40; ++hops) {
    char buf[PATH_MAX];
    const ssize_t n = readlink(current.c_str(), buf, sizeof buf);
    if (n < 0) return errno == EINVAL || errno == ENOENT ? current : std::string();
    if (n == 0 || static_cast<std::size_t>(n) == sizeof buf) return std::string();
    std::string target(buf, static_cast<std::size_t>(n));
    if (target.front() != '/') target = Directory_With_Separator(current) + target;
    current = std::move(target);
  }
  return std::string();
}

namespace {

// Temporaries carry the writer's process id behind a tag of their own, so that no
// file of the user's can ever be mistaken for one: ".keldra.ini.keldra-save-4711-Ab3xYz".
constexpr const char* Temporary_Tag = ".keldra-save-";

std::string Temporary_Prefix(const std::string& name) { return "." + name + Temporary_Tag; }

// The process id in a temporary's name, or 0 when the name is not one of ours.
pid_t Writer_Of(const std::string& entry, const std::string& prefix) {
  if (entry.compare(0, prefix.size(), prefix) != 0) return 0;
  std::size_t i = prefix.size();
  long long pid = 0;
  const std::size_t digits = i;
  while (i < entry.size() && entry[i] >= '0' && entry[i] <= '9' && pid < INT_MAX) {
    pid = pid * 10 + (entry[i++] - '0');
  }
  if (i == digits || pid <= 0 || pid >= INT_MAX) return 0;
  if (entry.size() != i + 7 || entry[i] != '-') return 0;
  return static_cast<pid_t>(pid);
}

// A write killed half-way leaves its temporary behind. The next write of the same
// file removes those whose writer is gone; one a minute old as well, so that a
// writer in another process namespace, whose id means nothing here, is never
// caught mid-write. Nothing without the tag is ever touched.
void Remove_Abandoned_Temporaries(const std::string& folder, const std::string& name) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return;
  const std::string prefix = Temporary_Prefix(name);
  const time_t now = time(nullptr);
  while (dirent* e = readdir(dir)) {
    const std::string entry = e->d_name;
    const pid_t writer = Writer_Of(entry, prefix);
    if (writer == 0 || writer == getpid()) continue;
    if (kill(writer, 0) == 0 || errno != ESRCH) continue;
    const std::string path = folder + entry;
    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && now - st.st_mtime > 60) {
      unlink(path.c_str());
    }
  }
  closedir(dir);
}

bool Read_At(int fd, char* buf, std::size_t size, std::uint64_t offset, std::size_t& got) {
  for (;;) {
    const ssize_t n = pread(fd, buf, size, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    got = static_cast<std::size_t>(n);
    return true;
  }
}

bool Write_At(int fd, const char* p, std::size_t left, std::uint64_t offset) {
  while (left > 0) {
    const ssize_t n = pwrite(fd, p, left, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    offset += static_cast<std::uint64_t>(n);
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Copies from's bytes [from_offset, end) to `to` at to_offset. Holes are skipped
// where the filesystem reports them, and the file is sized at the end, so a
// sparse file's holes stay holes rather than gigabytes of written zeros.
bool Copy_Tail(const std::string& path, std::uint64_t from_offset, int to,
               std::uint64_t to_offset) {
  const int from = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (from < 0) return false;
  struct stat st;
  bool ok = fstat(from, &st) == 0 && S_ISREG(st.st_mode);
  const auto size = static_cast<std::uint64_t>(ok ? st.st_size : 0);
  std::vector<char> buf(1 << 20);
  std::uint64_t at = from_offset;
  while (ok) {
    std::uint64_t data_end = ~std::uint64_t{0};  // unknown: read to the end
    if (at < size) {
      const off_t data = lseek(from, static_cast<off_t>(at), SEEK_DATA);
      if (data >= 0) {
        at = static_cast<std::uint64_t>(data);
        const off_t hole = lseek(from, data, SEEK_HOLE);
        if (hole > data) data_end = static_cast<std::uint64_t>(hole);
      } else if (errno == ENXIO) {
        break;  // nothing but a hole to the end
      }
    }
    std::size_t got = 0;
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(buf.size(), data_end - at));
    ok = Read_At(from, buf.data(), want, at, got);
    if (!ok || got == 0) break;
    ok = Write_At(to, buf.data(), got, to_offset + (at - from_offset));
    at += got;
  }
  const std::uint64_t end = std::max(at, size);
  ok = ok && (end <= from_offset ||
              ftruncate(to, static_cast<off_t>(to_offset + end - from_offset)) == 0);
  close(from);
  return ok;
}

}  // namespace

File_Text Read_Text_File(const std::string& path) {
  return Read_Text_File(path, std::numeric_limits<std::size_t>::max());
}

File_Text Read_Text_File(const std::string& path, std::size_t limit) {
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
  if (st.st_size > 0) {
    text.reserve(static_cast<std::size_t>(
        std::min<std::uint64_t>(static_cast<std::uint64_t>(st.st_size), limit)));
  }
  char buf[65536];
  for (;;) {
    // One byte past the limit tells a file that ends there from one that goes on.
    const std::size_t room = limit - text.size();
    const std::size_t want = room < sizeof buf ? room + 1 : sizeof buf;
    ssize_t n = read(fd, buf, want);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      close(fd);
      result.status = Read_Status::Failed;
      return result;
    }
    const auto got = static_cast<std::size_t>(n);
    if (got > room) {
      text.append(buf, room);
      result.whole = false;
      break;
    }
    text.append(buf, got);
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
  const std::string path = options.follow_links ? Link_Target(requested_path) : requested_path;
  if (path.empty()) return false;
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
  std::string temp =
      folder + Temporary_Prefix(File_Name_Of(path)) + std::to_string(getpid()) + "-XXXXXX";
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
  if (ok && options.keep_tail_from) {
    ok = exists && Copy_Tail(path, *options.keep_tail_from, fd, content.size());
  }
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

std::string Current_Folder() {
  char folder[PATH_MAX];
  // The kernel names the folder from what it holds in memory: no volume is asked.
  return getcwd(folder, sizeof folder) != nullptr ? std::string(folder) : std::string();
}

}  // namespace keldra::platform
