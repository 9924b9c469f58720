#include "window/termination_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace velmar {
namespace {

// The handler may only do what is safe in a signal handler: it notes the
// request and writes one byte, and the event loop reads it and quits.
int signalWriteEnd = -1;
volatile std::sig_atomic_t terminationRequested = 0;

void OnTerminationSignal(int)
{
    terminationRequested = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd, &byte, 1);
}

} // namespace

void QuitOnTerminationSignals()
{
    std::array<int, 2> ends{};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends.data()) != 0)
        return; // the program still runs; only a signal would then end it at once
    signalWriteEnd = ends[0];

    auto* notifier = new QSocketNotifier(ends[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [readEnd = ends[1]] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(readEnd, &byte, 1);
        // Unlike quit(), which does nothing before the application's own loop
        // runs, exit() also ends a message box's loop during start-up.
        QCoreApplication::exit(0);
    });

    struct sigaction action { };
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

bool TerminationRequested()
{
    return terminationRequested != 0;
}

} // namespace velmar
