#pragma once

namespace velmar {

// Ends the application's event loops when the program is asked to stop by a
// signal (SIGTERM, as at the end of a session; SIGHUP; SIGINT), exactly as
// closing the window does, so that the window is taken down normally and the
// settings are saved. Call once, after the application object exists.
void QuitOnTerminationSignals();

// Whether such a signal has arrived. One that comes while the window is being
// built (a notice of the start-up is open) also closes that notice; the
// program then ends without showing the window.
bool TerminationRequested();

} // namespace velmar
