#pragma once
// The file calls behind the file status helpers: an exclusive open test with the
// system's error codes, attribute words and a guarded delete.
#include <cstdint>
#include <string>

namespace keldra::platform {

// Error codes as the exclusive open reports them.
inline constexpr std::uint32_t ERROR_SUCCESS = 0;
inline constexpr std::uint32_t ERROR_FILE_NOT_FOUND = 2;
inline constexpr std::uint32_t ERROR_PATH_NOT_FOUND = 3;
inline constexpr std::uint32_t ERROR_ACCESS_DENIED = 5;
inline constexpr std::uint32_t ERROR_NOT_READY = 21;
inline constexpr std::uint32_t ERROR_SHARING_VIOLATION = 32;
inline constexpr std::uint32_t ERROR_LOCK_VIOLATION = 33;

// Attribute bits.
inline constexpr std::uint32_t FILE_ATTRIBUTE_READONLY = 1;
inline constexpr std::uint32_t FILE_ATTRIBUTE_HIDDEN = 2;
inline constexpr std::uint32_t FILE_ATTRIBUTE_SYSTEM = 4;
inline constexpr std::uint32_t FILE_ATTRIBUTE_ARCHIVE = 32;

// A regular file (or anything but a directory) exists at the path.
bool File_Exists(const std::string& path);

// Opens the file for reading and writing with all sharing denied, closes it at
// once and answers ERROR_SUCCESS or the failure's code: ERROR_SHARING_VIOLATION
// when any other open of the file exists (this process's own included),
// ERROR_LOCK_VIOLATION when another process holds a lock on it, not found for a
// missing file or folder, ERROR_ACCESS_DENIED for a file without write permission
// (for root too). The file is never kept busy: a lease taken for the test is
// released before returning.
std::uint32_t Try_Open_Exclusive(const std::string& path);

// Sets the attribute word: read-only clears every write permission (clearing it
// gives the owner write permission back); hidden, system and archive are kept in a
// user extended attribute where the filesystem has them. False on failure.
bool Set_Attribute_Word(const std::string& path, std::uint32_t attributes);
std::uint32_t Get_Attribute_Word(const std::string& path);

// Deletes the file unless another open of it exists: Linux would unlink a file in
// use, the system this stands in for refuses, and callers rely on the refusal.
bool Delete_File(const std::string& path);

}  // namespace keldra::platform
