#include "tests/cli/terminal_session.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "tests/cli/descriptors.h"

extern char** environ;

namespace {

constexpr auto Patience = std::chrono::seconds(10);

std::string nameOf(std::string_view setting)
{
    return std::string(setting.substr(0, setting.find('=')));
}

// The test's environment with `changes` applied, built before forking.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes)
{
    std::vector<std::string> result;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        bool changed = false;
        for (const std::string& change : changes)
            changed = changed || nameOf(*variable) == nameOf(change);
        if (!changed)
            result.emplace_back(*variable);
    }
    for (const std::string& change : changes) {
        if (change.find('=') != std::string::npos)
            result.push_back(change);
    }
    return result;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

TerminalSession::TerminalSession(const std::vector<std::string>& arguments, const std::vector<std::string>& environment)
{
    std::vector<std::string> argv{VELMAR_CONVERT_PATH};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envp = environmentWith(environment);
    std::vector<char*> argvPointers = pointersTo(argv);
    std::vector<char*> envpPointers = pointersTo(envp);

    int errorEnds[2];
    if (::pipe2(errorEnds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    winsize size{};
    size.ws_row = 24;
    size.ws_col = 80;
    pid_ = ::forkpty(&terminal_, nullptr, nullptr, &size);
    if (pid_ < 0)
        throw std::runtime_error("forkpty failed");
    if (pid_ == 0) {
        ::dup2(errorEnds[1], STDERR_FILENO);
        ::execve(argvPointers[0], argvPointers.data(), envpPointers.data());
        ::_exit(127);
    }
    ::close(errorEnds[1]);
    errorPipe_ = errorEnds[0];
    ::fcntl(terminal_, F_SETFD, FD_CLOEXEC);
}

TerminalSession::~TerminalSession()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    CloseIfOpen(terminal_);
    CloseIfOpen(errorPipe_);
}

void TerminalSession::type(std::string_view keys)
{
    while (!keys.empty()) {
        const ssize_t count = ::write(terminal_, keys.data(), keys.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw std::runtime_error("cannot type on the terminal: " + std::string(std::strerror(errno)));
        keys.remove_prefix(static_cast<std::size_t>(count));
    }
}

bool TerminalSession::collect(int milliseconds)
{
    std::array<pollfd, 2> watched{{{terminal_, POLLIN, 0}, {errorPipe_, POLLIN, 0}}};
    if (::poll(watched.data(), watched.size(), milliseconds) < 0 && errno != EINTR)
        throw std::runtime_error("poll failed");
    if (watched[0].revents != 0)
        ReadAvailable(terminal_, screen_);
    if (watched[1].revents != 0)
        ReadAvailable(errorPipe_, errors_);
    return terminal_ >= 0 || errorPipe_ >= 0;
}

bool TerminalSession::waitFor(std::string_view text)
{
    const auto deadline = std::chrono::steady_clock::now() + Patience;
    for (;;) {
        if (const std::size_t found = screen_.find(text, seen_); found != std::string::npos) {
            seen_ = found + text.size();
            return true;
        }
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !collect(static_cast<int>(left.count())))
            return false;
    }
}

void TerminalSession::resize(unsigned short columns)
{
    const winsize size{.ws_row = 24, .ws_col = columns, .ws_xpixel = 0, .ws_ypixel = 0};
    ::ioctl(terminal_, TIOCSWINSZ, &size);
}

bool TerminalSession::waitForKeyByKeyInput()
{
    const auto deadline = std::chrono::steady_clock::now() + Patience;
    // The master side reports the settings the program gave its terminal.
    for (termios settings{}; ::tcgetattr(terminal_, &settings) == 0; collect(10)) {
        if ((settings.c_lflag & ICANON) == 0)
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
    }
    return false;
}

int TerminalSession::finish()
{
    const auto deadline = std::chrono::steady_clock::now() + Patience;
    for (;;) {
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !collect(static_cast<int>(left.count())))
            break;
    }
    int status = 0;
    if (terminal_ >= 0 || errorPipe_ >= 0)
        ::kill(pid_, SIGKILL);
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
