#include <signal.h>

#include "platform/linux/signal_pipe.h"
#include "platform/session_signals.h"

namespace keldra::platform {

int Watch_Session_End_Signals() { return linux_impl::Pipe_For_Signals({SIGTERM, SIGHUP}); }

}  // namespace keldra::platform
