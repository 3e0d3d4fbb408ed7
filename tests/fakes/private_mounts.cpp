#include "tests/fakes/private_mounts.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace keldra::test {
namespace {

std::string Enter() {
  if (unshare(CLONE_NEWNS) != 0) {
    return std::string("a mount namespace of the test's own could not be made (unshare: ") +
           std::strerror(errno) + "; it needs root)";
  }
  // The copy of the mount table still shares propagation with the machine's until
  // it is made private: a mount under a shared point would otherwise show there too.
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    return std::string("the test's mount namespace could not be made private (") +
           std::strerror(errno) + ")";
  }
  return {};
}

// Made as the program loads, before any thread exists.
const std::string why_not = Enter();

}  // namespace

const std::string& Private_Mounts_Why_Not() { return why_not; }

bool Mount_Tmpfs(const std::string& dir, const std::string& size) {
  if (!why_not.empty()) return false;
  mkdir(dir.c_str(), 0755);
  const std::string options = "size=" + size;
  return mount("keldra-test", dir.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

}  // namespace keldra::test
