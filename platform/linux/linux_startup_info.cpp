#include "platform/startup_info.h"

namespace keldra::platform {

Startup_Info Get_Startup_Info() { return Startup_Info{}; }

}  // namespace keldra::platform
