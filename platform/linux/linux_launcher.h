#pragma once
#include <string>
#include <vector>

#include "platform/launcher.h"

namespace keldra::platform {

// The desktop's opener, xdg-open, found on PATH, for documents and addresses
// alike, started without a shell.
// The desktop's URL handler wants a scheme where the Windows shell takes a bare
// "www." host name as a web page: such an address gains "https://".
std::string Address_For_Url_Handler(const std::string& address);

class Linux_Launcher final : public Launcher {
 public:
  std::string Document_Viewer() override;
  bool View_Document(const std::string& viewer, const std::string& path) override {
    return Start_Detached(viewer, {path});
  }
  bool Open_Address(const std::string& address) override;

 private:
  // The program's full path from PATH, or "" when it is not there.
  static std::string Find_Program(const std::string& name);
  // Starts it and does not wait; false when it could not be started.
  static bool Start_Detached(const std::string& program, const std::vector<std::string>& args);
};

}  // namespace keldra::platform
