#pragma once

namespace velmar {

// Ends the application's event loop when the program is asked to stop by a
// signal (SIGTERM, as at the end of a session; SIGHUP; SIGINT), exactly as
// closing the window does, so that the window is taken down normally and the
// settings are saved. Call once, after the application object exists.
void QuitOnTerminationSignals();

} // namespace velmar
