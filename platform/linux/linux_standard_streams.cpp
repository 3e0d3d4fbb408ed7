#include <fcntl.h>
#include <unistd.h>

#include "platform/standard_streams.h"

namespace keldra::platform {

bool Hold_Standard_Streams() {
  bool output_open = true;
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1) continue;
    if (fd == 1) output_open = false;
    // open() takes the lowest free descriptor: this one.
    const int null = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (null >= 0 && null != fd) close(null);
  }
  return output_open;
}

}  // namespace keldra::platform
