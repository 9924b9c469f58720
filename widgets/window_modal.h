#pragma once

class QDialog;

namespace velmar {

// Runs `dialog` with exec() and returns its result, modal to its owner's
// window only: the owner and the windows it was opened from wait, while a
// window outside that chain, such as the help window, stays usable beside
// it. A dialog without an owner has no window to be modal to, so it blocks
// every window, as exec() alone does.
int RunWindowModal(QDialog& dialog);

} // namespace velmar
