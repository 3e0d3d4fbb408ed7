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

// The desktop's opener, xdg-open, found on PATH, for documents and addresses
// alike, started without a shell.
class Linux_Launcher final : public Launcher {
 public:
  std::string Document_Viewer() override { return Find_Program("xdg-open"); }
  bool View_Document(const std::string& viewer, const std::string& path) override {
    return Start_Detached(viewer, {path});
  }
  bool Open_Address(const std::string& address) override;

  // The program's full path from PATH, or "" when it is not there.
  static std::string Find_Program(const std::string& name);
  // Starts it and does not wait; false when it could not be started.
  static bool Start_Detached(const std::string& program, const std::vector<std::string>& args);
};

}  // namespace keldra::platform
