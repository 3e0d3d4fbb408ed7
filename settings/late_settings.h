#pragma once
// keldra.ini asked again in the background after its load missed the wait (the file
// behind a slow link, or its first reader stopped by someone else), so that its values
// are still applied when they come, as a slow volume's late figures are, and what the
// user did meanwhile is kept.
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "platform/bounded_call.h"
#include "settings/memory_settings_holder.h"

namespace keldra::settings {

class Late_Settings {
 public:
  explicit Late_Settings(std::string ini_path) : path_(std::move(ini_path)) {}

  // The file's values once they have come; nothing yet otherwise. With no wait it
  // only looks (a read is started where none is out and the folder is not stuck,
  // and a read just started is given a fifth of a second: a folder that answers
  // again answers at once); with one it waits at most that long. A reader that ended without an
  // answer is replaced at the next look.
  std::optional<Memory_Settings_Holder> Take(std::chrono::milliseconds wait = {});

 private:
  std::string path_;
  std::unique_ptr<platform::Bounded_Job> read_;
};

// What came late applied over what the session holds: a value the session still has
// as the missed load put it (`applied`) takes the file's; one the user changed
// meanwhile stays. The auto-run mark is not the file's to decide (the system's entry is).
void Merge_Late_Settings(Settings_Holder& session, const Memory_Settings_Holder& applied,
                         const Memory_Settings_Holder& file);

}  // namespace keldra::settings
