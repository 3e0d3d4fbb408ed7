#pragma once
// Where the running program lives: the stand-in for the module file name.
#include <string>

namespace keldra::platform {

// The running executable's full path with links resolved; throws Keldra_Error when
// the system will not say.
std::string Module_File_Name();

// "/a/b/keldra" -> "/a/b/"; a path without a separator gives "".
std::string Directory_With_Separator(const std::string& path);
// "/a/b/keldra" -> "keldra".
std::string File_Name_Of(const std::string& path);

}  // namespace keldra::platform
