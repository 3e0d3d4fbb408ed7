#pragma once
// Starting the desktop's own programs: the document opener and the URL handler.
// Never through a shell: each argument reaches the program exactly as given.
#include <string>
#include <vector>

namespace keldra::platform {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // The program's full path from PATH, or "" when it is not there.
  virtual std::string Find_Program(const std::string& name) = 0;
  // Starts it and does not wait; false when it could not be started.
  virtual bool Start_Detached(const std::string& program, const std::vector<std::string>& args) = 0;
};

class Linux_Launcher final : public Launcher {
 public:
  std::string Find_Program(const std::string& name) override;
  bool Start_Detached(const std::string& program, const std::vector<std::string>& args) override;
};

}  // namespace keldra::platform
