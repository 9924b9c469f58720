#pragma once

namespace velmar {

class HelpWindow;

// The program's one help window, a window of its own. A window-modal dialog
// blocks only the windows it was opened from, so the help window stays usable
// beside it. An application-modal dialog blocks every window outside itself:
// while one runs (or a dialog opened from one), the help window lives as a
// child window of the running dialog, and returns to being a window of its
// own when the dialog closes. Should the dialog be destroyed without closing,
// the window goes with it and is created afresh on the next request.

// The help window, created on first use, made reachable from the running
// modal dialog if that needs it, shown and raised.
HelpWindow& presentHelpWindow();

// The help window if one exists, otherwise null.
HelpWindow* existingHelpWindow();

} // namespace velmar
