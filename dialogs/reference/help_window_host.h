#pragma once

namespace velmar {

class HelpWindow;

// The program's one help window. Qt blocks every window outside a running
// modal dialog, so while a dialog runs the help window lives as a child
// window of that dialog, and returns to being a window of its own when the
// dialog closes. Should the dialog be destroyed without closing, the window
// goes with it and is created afresh on the next request.

// The help window, created on first use, made reachable from the running
// modal dialog if there is one, shown and raised.
HelpWindow& presentHelpWindow();

// The help window if one exists, otherwise null.
HelpWindow* existingHelpWindow();

} // namespace velmar
