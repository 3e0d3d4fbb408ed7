#pragma once
// Every volume a test mounts (a tmpfs, a FUSE volume that never answers) stays in a
// mount namespace of the test program's own, so that nothing else on the machine ever
// meets it: a `df` or a file manager started meanwhile would hang on a hung volume.
// A test program that links this enters its namespace as it loads, while it still has
// one thread (a namespace entered later holds only the thread that entered it).
#include <string>

namespace keldra::test {

// Empty when this process has a mount namespace of its own; otherwise why not, for a
// test to skip with rather than mount where the whole machine would see it.
const std::string& Private_Mounts_Why_Not();

// A tmpfs of the given size ("64m") at dir, in the private namespace only; false where
// it cannot be mounted there.
bool Mount_Tmpfs(const std::string& dir, const std::string& size);

}  // namespace keldra::test
