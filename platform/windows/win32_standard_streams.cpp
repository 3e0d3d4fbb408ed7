#include <windows.h>

#include "platform/standard_streams.h"

namespace keldra::platform {

// Windows opens no files on the standard handles' numbers: only whether there is an
// output to write to matters.
bool Hold_Standard_Streams() {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  return output != nullptr && output != INVALID_HANDLE_VALUE;
}

}  // namespace keldra::platform
