#pragma once
// The file calls behind the file status helpers: an exclusive open test with the
// system's error codes, attribute words and a guarded delete.
#include <cstdint>
#include <string>

namespace keldra::platform {

// What the exclusive open reports, with the system's own error codes (those it
// calls ERROR_SUCCESS, ERROR_FILE_NOT_FOUND and so on), so that a code passed
// through from the system keeps its meaning. Codes not named here are kept too.
enum class Open_Error : std::uint32_t {
  Success = 0,
  File_Not_Found = 2,
  Path_Not_Found = 3,
  Access_Denied = 5,
  Not_Ready = 21,
  Not_Dos_Disk = 26,
  Sector_Not_Found = 27,
  Sharing_Violation = 32,
  Lock_Violation = 33,
};

// Attribute bits, with the system's values (FILE_ATTRIBUTE_READONLY and so on).
inline constexpr std::uint32_t Attribute_Read_Only = 1;
inline constexpr std::uint32_t Attribute_Hidden = 2;
inline constexpr std::uint32_t Attribute_System = 4;
inline constexpr std::uint32_t Attribute_Archive = 32;

// A regular file (or anything but a directory) exists at the path.
bool File_Exists(const std::string& path);

// Opens the file for reading and writing with all sharing denied, closes it at
// once and answers Success or the failure's code: Sharing_Violation when any
// other open of the file exists (this process's own included), Lock_Violation
// when another process holds a lock on it, not found for a missing file or
// folder, Access_Denied for a file without write permission
// (for root too). The file is never kept busy: a lease taken for the test is
// released before returning.
Open_Error Try_Open_Exclusive(const std::string& path);

// Sets the attribute word: read-only clears every write permission (clearing it
// gives the owner write permission back); hidden, system and archive are kept in a
// user extended attribute where the filesystem has them. False on failure.
bool Set_Attribute_Word(const std::string& path, std::uint32_t attributes);
std::uint32_t Get_Attribute_Word(const std::string& path);

// Deletes the file unless another open of it exists: Linux would unlink a file in
// use, the system this stands in for refuses, and callers rely on the refusal.
bool Delete_File(const std::string& path);

}  // namespace keldra::platform
