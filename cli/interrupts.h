#pragma once

#include <csignal>

namespace velmar {

// Ctrl+C (SIGINT) in an interactive session discards the line being typed
// and the session goes on. It is caught for the whole session, so that one
// pressed while an answer is printed does not end the session either.
class InterruptDiscardsLine {
public:
    InterruptDiscardsLine();
    ~InterruptDiscardsLine();
    InterruptDiscardsLine(const InterruptDiscardsLine&) = delete;
    InterruptDiscardsLine& operator=(const InterruptDiscardsLine&) = delete;

private:
    struct sigaction previous_ { };
};

// Holds Ctrl+C back while a line is read: it is let through only inside
// WaitForInput, which unblocks it and waits in one step (pselect). One
// pressed while the editor draws, just before the wait, then still ends the
// wait instead of arriving where no read can be cut short.
class InterruptHeld {
public:
    InterruptHeld();
    ~InterruptHeld();
    InterruptHeld(const InterruptHeld&) = delete;
    InterruptHeld& operator=(const InterruptHeld&) = delete;

private:
    sigset_t previous_{};
};

enum class Waited { InputReady, Interrupted, Failed };

// Waits until `descriptor` can be read or Ctrl+C is pressed. Other signals
// (a resized window, a resumed job) are handled by their handlers and the
// wait goes on.
Waited WaitForInput(int descriptor);

} // namespace velmar
