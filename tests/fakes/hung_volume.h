#pragma once
// A mounted FUSE volume whose statfs never answers (or answers as the mode says:
// "delay=N", "gate=PATH", "alternate=N"; see hung_fs.c), unmounted again however
// the test ends, in the test program's own mount namespace (private_mounts.h). Needs
// root, /dev/fuse and the hung_fs helper; Mounted() says
// whether it came up, Why_Not() why not. An answer reads "2.0 MB / 3.5 MB".
#include <sys/types.h>

#include <string>

namespace keldra::test {

class Hung_Volume {
 public:
  explicit Hung_Volume(const std::string& mount_point, const std::string& mode = "never");
  ~Hung_Volume();
  Hung_Volume(const Hung_Volume&) = delete;
  Hung_Volume& operator=(const Hung_Volume&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Why_Not() const { return why_not_; }
  const std::string& Path() const { return mount_point_; }

 private:
  std::string mount_point_;
  pid_t daemon_ = -1;
  bool mounted_ = false;
  std::string why_not_;
};

}  // namespace keldra::test
