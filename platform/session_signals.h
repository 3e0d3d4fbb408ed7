#pragma once
// The session ending without a close: on Linux a SIGTERM (log-out, shutdown, `kill`)
// or a SIGHUP (the terminal or session that started the program gone). The window
// then saves as a close does instead of dying with the user's changes.

namespace keldra::platform {

// Catches those signals from now on; answers a descriptor that becomes readable
// when one arrives (each arrival leaves a byte to read), or -1 where none can be had.
int Watch_Session_End_Signals();

}  // namespace keldra::platform
