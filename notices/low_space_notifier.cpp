#include "notices/low_space_notifier.h"

#include "monitor/size_text.h"
#include "platform/bounded_call.h"

namespace keldra::notices {

platform::Desktop_Notice Notice_For(const Drive_Reading& reading, const std::string& folder,
                                    const std::string& decimal_separator) {
  platform::Desktop_Notice n;
  n.letter = reading.letter;
  n.summary = std::string("Low disk space on ") + reading.letter + ':';
  n.body = monitor::Unit_Form(reading.free_kb, decimal_separator) + " free of " +
           monitor::Unit_Form(reading.capacity_kb, decimal_separator);
  if (!folder.empty()) n.body += '\n' + folder;
  n.open_label = "Open";
  n.quiet_label = "Don't warn again for this drive";
  return n;
}

Low_Space_Notifier::Low_Space_Notifier(std::string notice_file, const platform::Drive_Table& drives,
                                       platform::Launcher& launcher, std::string decimal_separator,
                                       Complaint complain, Notices_Maker make)
    : path_(std::move(notice_file)),
      drives_(drives),
      launcher_(launcher),
      separator_(std::move(decimal_separator)),
      complain_(std::move(complain)),
      make_(std::move(make)),
      settings_(Load_Notice_Settings(path_, platform::Volume_Wait)) {}

// The notices' thread ends before the rest of this goes.
Low_Space_Notifier::~Low_Space_Notifier() { notices_.reset(); }

bool Low_Space_Notifier::Start(std::string& why) {
  platform::Notice_Events events;
  events.action = [this](char letter, platform::Notice_Action action) { Act(letter, action); };
  events.failure = [this](const std::string& text) {
    std::lock_guard lock(mutex_);
    Complain_Once(said_refused_, "a desktop notice was not shown: " + text);
  };
  notices_ = make_(std::move(events), why);
  return notices_ != nullptr;
}

void Low_Space_Notifier::Take_Pass(const std::vector<Drive_Reading>& readings) {
  std::vector<Drive_Reading> raise;
  {
    std::lock_guard lock(mutex_);
    const Notice_Settings then = settings_;
    bool changed = false;
    raise = Drives_To_Notice(settings_.memory, settings_.limits, readings, changed);
    // The defaults are written in once, for a user to find them; a folder that cannot
    // be written is not tried again at every pass.
    if (changed || (!settings_.limits_in_file && !limits_offered_)) Save(then);
    limits_offered_ = true;
  }
  // Not started (or no notices to be had): remembered all the same, shown never.
  if (!notices_) return;
  for (const Drive_Reading& r : raise) {
    const std::string* folder = drives_.Directory_Of(r.letter);
    notices_->Show(Notice_For(r, folder != nullptr ? *folder : std::string(), separator_));
  }
}

void Low_Space_Notifier::Act(char letter, platform::Notice_Action action) {
  if (action == platform::Notice_Action::Open) {
    const std::string* folder = drives_.Directory_Of(letter);
    if (folder != nullptr) launcher_.Open_Address(*folder);
    return;
  }
  const int i = platform::Drive_Letter_Index(letter);
  if (i < 0) return;
  std::lock_guard lock(mutex_);
  const Notice_Settings then = settings_;
  settings_.memory.quiet[static_cast<std::size_t>(i)] = true;
  settings_.memory.noticed_free_kb[static_cast<std::size_t>(i)].reset();
  Save(then);
}

// Called with the lock held. A file that cannot be written keeps the memory for the
// run; it is tried again at the next change.
void Low_Space_Notifier::Save(const Notice_Settings& then) {
  if (Save_Notice_Changes(then, settings_, path_, platform::Volume_Wait)) {
    settings_.limits_in_file = true;
    return;
  }
  Complain_Once(said_unsaved_, "the notices' memory could not be written to " + path_);
}

void Low_Space_Notifier::Complain_Once(bool& said, const std::string& text) {
  if (said || !complain_) return;
  said = true;
  complain_(text);
}

}  // namespace keldra::notices
