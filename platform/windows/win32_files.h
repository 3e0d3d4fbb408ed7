#pragma once
// File steps shared by the Windows file layer and its profile writes.
#include <windows.h>

#include <string>

namespace keldra::platform::win32_impl {

DWORD Attributes_Of(const std::string& path);
bool Write_All(HANDLE file, const std::string& content);
// A new empty file with a unique name in the folder, or "" when none can be made.
std::string Unique_Temporary_In(const std::string& folder);
// Renames temp over path in one step, flushed to disk before it returns.
bool Replace_With(const std::string& temp, const std::string& path);
// Nothing is there yet, or a file that is not marked read-only.
bool May_Replace(const std::string& path);
// The path's folder with its separator, "." for a bare name.
std::string Folder_Of(const std::string& path);

}  // namespace keldra::platform::win32_impl
