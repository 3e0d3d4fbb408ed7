#pragma once
// The standard streams a command-line program was started with.

namespace keldra::platform {

// Keeps the standard descriptors taken, a closed one on the null device, so that no
// file or helper channel opened later lands on one and receives the program's output.
// False when standard output was closed: whatever the program prints is lost.
bool Hold_Standard_Streams();

}  // namespace keldra::platform
