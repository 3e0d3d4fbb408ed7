#pragma once
// Where the program's own files are: the settings (keldra.ini and drives.ini) and
// the documents Help shows (keldra.txt and catalog.txt).
//
// Beside the executable, as a program copied to a folder or a stick expects. A build
// made for a system-wide install (KELDRA_PACKAGE_LAYOUT) keeps the settings in the
// user's configuration folder, $XDG_CONFIG_HOME/keldra/ (~/.config/keldra/ when it
// is unset or not absolute), since the executable's folder is not the user's, and
// finds the documents in the folder they were installed to. A build choice, never a
// guess at run time: a copied package build still uses the configuration folder.
#include <string>

namespace keldra::platform {

// Folders end with their separator.
std::string Settings_Folder(const std::string& executable_path);
std::string Documents_Folder(const std::string& executable_path);

// Before a settings file is written: makes its folder, owner only and with the
// folders above it, when it is the configuration folder and missing. Does nothing
// for a folder beside the executable, whose rules (a read-only folder is reported,
// never worked around) stay as they are.
void Make_Settings_Folder(const std::string& settings_file_path);

}  // namespace keldra::platform
