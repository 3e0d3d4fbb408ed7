#pragma once
// Starting the desktop's own programs: the document viewer and the handler for
// addresses (mailto:, web pages). Each hands its argument over whole.
#include <string>
#include <vector>

namespace keldra::platform {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // The viewer's full path, or "" when the system has none installed.
  virtual std::string Document_Viewer() = 0;
  // Starts the viewer on one document and does not wait; false when it could not
  // be started.
  virtual bool View_Document(const std::string& viewer, const std::string& path) = 0;
  // Hands an address to the system's handler and does not wait; false when no
  // handler could be started.
  virtual bool Open_Address(const std::string& address) = 0;
};

}  // namespace keldra::platform
