#pragma once
#include <chrono>
#include <string>
#include <vector>

#include "platform/launcher.h"

namespace keldra::platform {

// The desktop's opener, xdg-open, found on PATH, for documents and addresses
// alike, started without a shell.
// The desktop's URL handler wants a scheme where the Windows shell takes a bare
// "www." host name as a web page: such an address gains "https://".
std::string Address_For_Url_Handler(const std::string& address);

// The first of PATH's folders that holds the program as an executable file, looked
// at in helpers of their own, all at once, and taken in PATH's order within one wait
// (the search's path when it names a folder itself): a folder on a volume that has
// stopped answering is passed over, not the search. "" when none answered with it.
std::string Find_On_Path(const std::string& name, const std::string& path_variable,
                         std::chrono::milliseconds wait);

class Linux_Launcher final : public Launcher {
 public:
  std::string Document_Viewer() override;
  bool View_Document(const std::string& viewer, const std::string& path) override {
    return Start_Detached(viewer, {path});
  }
  bool Open_Address(const std::string& address) override;

 private:
  // Starts it and does not wait; false when it could not be started.
  static bool Start_Detached(const std::string& program, const std::vector<std::string>& args);
};

}  // namespace keldra::platform
