#pragma once
// Load_Settings and Save_Settings: the eight keys of keldra.ini, in their order.
#include <chrono>
#include <string>

#include "platform/bounded_call.h"
#include "platform/early_jobs.h"
#include "settings/settings_holder.h"

namespace keldra::settings {

// Reads every key and applies each value at once; missing or bad values give the
// key's default. Never creates the file.
void Load_Settings(Settings_Holder& holder, const std::string& ini_path);

// Writes every key in table order, in one replacement of the file, so that an
// interrupted or failed save leaves the old file exactly as it was. A failure
// raises Keldra_Error "Unable to write to <path>".
void Save_Settings(const Settings_Holder& holder, const std::string& ini_path);

// The same, for a program whose folder may be on a volume that stops answering:
// the file is read or written elsewhere, within one bounded wait. A load that gets
// no answer gives every key its default, as a missing file does, and answers false;
// a save that gets none fails like any other.
bool Load_Settings_Within(Settings_Holder& holder, const std::string& ini_path,
                          std::chrono::milliseconds wait = platform::Volume_Wait);
void Save_Settings_Within(const Settings_Holder& holder, const std::string& ini_path,
                          std::chrono::milliseconds wait = platform::Volume_Wait);

// Load_Settings_Within's read of the file, as started early or not.
platform::Early_Job Settings_Load_Job(const std::string& ini_path);

// What a program reads first of its folder (its settings, and the platform's own
// files there) started at once, in one helper, to be ready when asked for. Called
// first thing, before any thread starts.
void Start_Early_Reads(const std::string& executable_path);

}  // namespace keldra::settings
