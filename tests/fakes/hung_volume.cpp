#include "tests/fakes/hung_volume.h"

#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/fakes/private_mounts.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::test {
namespace {

bool In_Mount_Table(const std::string& point) {
  return Read_File("/proc/self/mountinfo").find(" " + point + " ") != std::string::npos;
}

}  // namespace

Hung_Volume::Hung_Volume(const std::string& mount_point, const std::string& mode)
    : mount_point_(mount_point) {
#ifndef KELDRA_HUNG_FS_PATH
  why_not_ = "the hung_fs helper was not built (libfuse3-dev missing)";
  return;
#else
  if (!Private_Mounts_Why_Not().empty()) {
    why_not_ = Private_Mounts_Why_Not();
    return;
  }
  if (access("/dev/fuse", R_OK | W_OK) != 0) {
    why_not_ = "/dev/fuse is not available";
    return;
  }
  mkdir(mount_point_.c_str(), 0755);
  daemon_ = fork();
  if (daemon_ == 0) {
    execl(KELDRA_HUNG_FS_PATH, KELDRA_HUNG_FS_PATH, mount_point_.c_str(), mode.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  // A busy machine may take a while to start the daemon: a minute at most.
  for (int i = 0; i < 1200 && !mounted_; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    mounted_ = In_Mount_Table(mount_point_);
    int status = 0;
    if (!mounted_ && waitpid(daemon_, &status, WNOHANG) == daemon_) {
      daemon_ = -1;
      why_not_ = "the FUSE daemon could not mount (mounting needs root or fusermount3)";
      return;
    }
  }
  if (!mounted_) why_not_ = "the FUSE volume did not appear in the mount table";
#endif
}

Hung_Volume::~Hung_Volume() {
  // Killing the daemon aborts its connection, which releases every stuck caller;
  // the lazy unmount then takes the mount point away.
  if (daemon_ > 0) {
    kill(daemon_, SIGKILL);
    waitpid(daemon_, nullptr, 0);
  }
  umount2(mount_point_.c_str(), MNT_DETACH);
  rmdir(mount_point_.c_str());
}

}  // namespace keldra::test
