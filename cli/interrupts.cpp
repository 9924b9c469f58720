#include "cli/interrupts.h"

#include <cerrno>
#include <sys/select.h>

namespace velmar {
namespace {

volatile std::sig_atomic_t InterruptArrived = 0;

void noteInterrupt(int)
{
    InterruptArrived = 1;
}

} // namespace

// The handler only notes the key: WaitForInput, which it cuts short, tells
// Ctrl+C from other signals by that note.
InterruptDiscardsLine::InterruptDiscardsLine()
{
    struct sigaction action { };
    action.sa_handler = &noteInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_);
}

InterruptDiscardsLine::~InterruptDiscardsLine()
{
    sigaction(SIGINT, &previous_, nullptr);
}

InterruptHeld::InterruptHeld()
{
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    sigprocmask(SIG_BLOCK, &interrupt, &previous_);
}

InterruptHeld::~InterruptHeld()
{
    sigprocmask(SIG_SETMASK, &previous_, nullptr);
}

Waited WaitForInput(int descriptor)
{
    sigset_t whileWaiting;
    sigprocmask(SIG_BLOCK, nullptr, &whileWaiting);
    sigdelset(&whileWaiting, SIGINT);
    InterruptArrived = 0;
    for (;;) {
        fd_set input;
        FD_ZERO(&input);
        FD_SET(descriptor, &input);
        if (::pselect(descriptor + 1, &input, nullptr, nullptr, nullptr, &whileWaiting) > 0)
            return Waited::InputReady;
        if (errno != EINTR)
            return Waited::Failed;
        if (InterruptArrived != 0)
            return Waited::Interrupted;
    }
}

} // namespace velmar
