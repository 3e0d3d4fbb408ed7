#pragma once
// Load_Settings and Save_Settings: the eight keys of keldra.ini, in their order.
#include <chrono>
#include <string>

#include "platform/bounded_call.h"
#include "platform/early_jobs.h"
#include "settings/memory_settings_holder.h"
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

// Load_Settings_Within's read of the file, as started early or not, and its answer
// applied to a holder (false, nothing applied, for an answer that is not one).
platform::Early_Job Settings_Load_Job(const std::string& ini_path);
bool Apply_Loaded_Settings(const std::string& answer, Settings_Holder& holder);

// The settings as the holder has them now, in plain fields.
Memory_Settings_Holder Settings_Of(const Settings_Holder& holder);

// Saves, within one bounded wait, only the keys whose values differ between `then`
// and `now`, leaving the file's others as they are; writes nothing when none differs.
// For a session whose file never answered: what the user changed is kept without
// putting defaults over what the file holds. Fails as Save_Settings does.
void Save_Changed_Settings_Within(const Settings_Holder& now, const Memory_Settings_Holder& then,
                                  const std::string& ini_path,
                                  std::chrono::milliseconds wait = platform::Volume_Wait);

// What a program reads first (its settings and the platform's own files beside it,
// and for the window the show sequence's auto-run check) started at once, one helper
// a folder, to be ready when asked for, with the spare helpers (the first folder's
// helper goes on to ask volumes). Called first thing, before any thread starts.
enum class Early_Reads { Folder_Only, With_Auto_Run_Check };
void Start_Early_Reads(const std::string& executable_path,
                       Early_Reads reads = Early_Reads::Folder_Only);

}  // namespace keldra::settings
