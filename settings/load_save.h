#pragma once
// Load_Settings and Save_Settings: the eight keys of keldra.ini, in their order.
#include <string>

#include "settings/settings_holder.h"

namespace keldra::settings {

// Reads every key and applies each value at once; missing or bad values give the
// key's default. Never creates the file.
void Load_Settings(Settings_Holder& holder, const std::string& ini_path);

// Writes every key in table order, in one replacement of the file, so that an
// interrupted or failed save leaves the old file exactly as it was. A failure
// raises Keldra_Error "Unable to write to <path>".
void Save_Settings(const Settings_Holder& holder, const std::string& ini_path);

}  // namespace keldra::settings
