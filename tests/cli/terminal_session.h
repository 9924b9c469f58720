#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// velmar-convert run as a person runs it at a terminal: standard input and
// output on a pseudo-terminal, standard error on a pipe of its own, so that
// a test can tell answers from errors.
class TerminalSession {
public:
    // `environment` holds NAME=value settings that replace or add to the
    // test's own; a bare NAME removes that variable.
    TerminalSession(const std::vector<std::string>& arguments, const std::vector<std::string>& environment);
    ~TerminalSession();
    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;

    // Sends keys as typed: "\n" is Enter, "\x03" Ctrl+C, "\x04" Ctrl+D.
    void type(std::string_view keys);

    // Gives the terminal a new width, as a resized window does (SIGWINCH).
    void resize(unsigned short columns);

    // Waits until the terminal shows `text` after what the last successful
    // wait found; false when it has not within ten seconds.
    bool waitFor(std::string_view text);

    // Waits until the program reads the terminal key by key, as a line
    // editor does once it is ready for a line; false when it has not within
    // ten seconds. Keys typed before then reach the terminal's own line
    // discipline: Ctrl+C, for one, interrupts nothing that reads.
    bool waitForKeyByKeyInput();

    // Waits for the program to end and returns its exit status, or -1 when
    // it did not exit by itself within ten seconds (it is then killed).
    int finish();

    const std::string& screen() const { return screen_; }
    const std::string& errors() const { return errors_; }

private:
    // Reads what is there within `milliseconds`; false once both outputs are closed.
    bool collect(int milliseconds);

    pid_t pid_ = -1;
    int terminal_ = -1;
    int errorPipe_ = -1;
    std::string screen_;
    std::string errors_;
    std::size_t seen_ = 0; // the part of screen_ that waits have passed
};
