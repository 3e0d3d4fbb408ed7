#pragma once
// keldra-report --notify: each pass's figures against the notices' rules, the
// notices shown on the desktop, and what the user answers (open the drive's folder,
// or no more notices for it) carried out and remembered in the notice file.
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "notices/notice_file.h"
#include "platform/desktop_notices.h"
#include "platform/drive_table.h"
#include "platform/launcher.h"

namespace keldra::notices {

// The notice the user sees for a drive found low on space.
platform::Desktop_Notice Notice_For(const Drive_Reading& reading, const std::string& folder,
                                    const std::string& decimal_separator);

class Low_Space_Notifier {
 public:
  using Notices_Maker = std::function<std::unique_ptr<platform::Desktop_Notices>(
      platform::Notice_Events, std::string&)>;
  using Complaint = std::function<void(const std::string&)>;

  // Reads the notice file (within one bounded wait). complain is told what went
  // wrong, once per kind: a file that cannot be written, a notice not taken.
  Low_Space_Notifier(std::string notice_file, const platform::Drive_Table& drives,
                     platform::Launcher& launcher, std::string decimal_separator,
                     Complaint complain, Notices_Maker make = platform::Make_Desktop_Notices);
  ~Low_Space_Notifier();

  // Connects to the desktop's notices; false, with why, when none can be shown.
  bool Start(std::string& why);

  void Take_Pass(const std::vector<Drive_Reading>& readings);

  // What the user chose on a notice (called on the notices' thread).
  void Act(char letter, platform::Notice_Action action);

 private:
  void Save(const Notice_Settings& then);
  void Complain_Once(bool& said, const std::string& text);

  const std::string path_;
  const platform::Drive_Table& drives_;
  platform::Launcher& launcher_;
  const std::string separator_;
  const Complaint complain_;
  const Notices_Maker make_;
  std::mutex mutex_;  // settings_ and the complaints: passes and actions meet here
  Notice_Settings settings_;
  bool limits_offered_ = false;
  bool said_unsaved_ = false;
  bool said_refused_ = false;
  std::unique_ptr<platform::Desktop_Notices> notices_;
};

}  // namespace keldra::notices
