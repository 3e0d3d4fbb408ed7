#pragma once
// Desktop notices from a program without a window (keldra-report --notify): the
// desktop's notification service on Linux (the freedesktop interface on the session
// bus), a notification-area balloon on Windows. Showing never waits on the service;
// what the user does with a notice comes back on a thread of the notices' own.
#include <functional>
#include <memory>
#include <string>

namespace keldra::platform {

struct Desktop_Notice {
  char letter = 'A';  // the drive it is about: at most one notice per drive is shown
  std::string summary;
  std::string body;
  std::string open_label;   // opens the drive's folder
  std::string quiet_label;  // no more notices for the drive
};

enum class Notice_Action { Open, Quiet };

struct Notice_Events {
  std::function<void(char letter, Notice_Action action)> action;
  // A notice the service refused or did not take (it went away meanwhile).
  std::function<void(const std::string& why)> failure;
};

class Desktop_Notices {
 public:
  virtual ~Desktop_Notices() = default;
  // Shows the notice in place of the last one about the same drive, so that they
  // never pile up.
  virtual void Show(const Desktop_Notice& notice) = 0;
};

// The notices, or nothing, with why_not saying why none can be shown (no service,
// no session, the library missing). The events are called on another thread.
std::unique_ptr<Desktop_Notices> Make_Desktop_Notices(Notice_Events events, std::string& why_not);

}  // namespace keldra::platform
