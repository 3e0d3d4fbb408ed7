#pragma once
// Small file operations the settings engine and the drive table need.
#include <cstdint>
#include <optional>
#include <string>

namespace keldra::platform {

enum class Read_Status { Ok, Missing, Failed };

struct File_Text {
  Read_Status status = Read_Status::Missing;
  std::string text;
  // False when a limited read stopped before the end: the file holds more.
  bool whole = true;
};

// The whole file. Missing: nothing is there. Failed: something is there that cannot
// be read as a file (no permission, a directory, an I/O error); a writer must then
// leave it alone rather than replace what it could not see.
File_Text Read_Text_File(const std::string& path);
// At most the first `limit` bytes, never more in memory: a huge file, or one with
// no end such as a link to /proc/self/pagemap, costs the limit and no more.
File_Text Read_Text_File(const std::string& path, std::size_t limit);

// Replaces (or creates) the file with the given bytes so that at every instant the
// file holds either its old or its new content: a temporary file in the same folder,
// flushed to disk, then renamed over the old one, which keeps its permissions.
// A read-only file or folder fails the write, for root as well, since root would
// otherwise ignore the marks a user set. Returns false, leaving the old file intact.
bool Write_Text_File_Atomically(const std::string& path, const std::string& content);

struct Atomic_Write_Options {
  // Write where a link points (a settings file kept elsewhere), or replace the link
  // itself (an autostart entry linked to a system file must not change that file).
  bool follow_links = true;
  // The new file's permissions; when absent, the old file's, or 0666 less the umask.
  int mode = -1;
  // The old file's bytes from this offset to its end follow the new content, copied
  // without holding them in memory (a sparse file stays sparse). The write fails
  // when the old file cannot be read there.
  std::optional<std::uint64_t> keep_tail_from;
};
bool Write_Text_File_Atomically(const std::string& path, const std::string& content,
                                const Atomic_Write_Options& options);

// The folder exists and its user may create files in it (for root: it carries a
// write permission at all).
bool Is_Writable_Directory(const std::string& path);

bool Is_Directory(const std::string& path);

// The process's current folder, as the system names it (asking no volume); empty
// when it has none (removed, or beyond reach).
std::string Current_Folder();

// The file a path stands for: where its links lead, followed even to a target that
// does not exist yet; the path itself where it is no link. Empty for a loop of links.
// Windows: the path itself (its settings are never reached through links).
std::string Link_Target(const std::string& path);

}  // namespace keldra::platform
