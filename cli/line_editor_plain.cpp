// The line editor where libedit is missing (a static build for another
// processor, or a system without it): the prompt, then the terminal's own
// line input, no recall.
#include <cerrno>
#include <csignal>
#include <sys/select.h>
#include <unistd.h>

#include "cli/line_editor.h"

namespace velmar {
namespace {

class PlainLineEditor : public LineEditor {
public:
    PlainLineEditor(std::FILE* screen, std::string prompt)
        : screen_(screen)
        , prompt_(std::move(prompt))
    { }

    // Ctrl+C is held back from the prompt on and let through only while
    // waiting for input (pselect does both at once), so one pressed just
    // before the wait still ends it instead of being missed.
    TypedLine readLine() override
    {
        sigset_t interrupt;
        sigset_t previous;
        sigemptyset(&interrupt);
        sigaddset(&interrupt, SIGINT);
        sigprocmask(SIG_BLOCK, &interrupt, &previous);
        const TypedLine typed = readWithInterruptHeld(previous);
        sigprocmask(SIG_SETMASK, &previous, nullptr);
        return typed;
    }

    void remember(const std::string&) override { }

private:
    TypedLine readWithInterruptHeld(const sigset_t& whileWaiting)
    {
        std::fputs(prompt_.c_str(), screen_);
        std::fflush(screen_);
        TypedLine typed{TypedLine::Kind::Line, {}};
        for (char c; typed.Text.empty() || typed.Text.back() != '\n';) {
            fd_set input;
            FD_ZERO(&input);
            FD_SET(STDIN_FILENO, &input);
            if (::pselect(STDIN_FILENO + 1, &input, nullptr, nullptr, nullptr, &whileWaiting) < 0) {
                if (errno == EINTR)
                    return {TypedLine::Kind::Interrupted, {}};
                return {TypedLine::Kind::End, {}};
            }
            if (::read(STDIN_FILENO, &c, 1) <= 0)
                return {TypedLine::Kind::End, {}};
            typed.Text += c;
        }
        typed.Text.pop_back();
        return typed;
    }

    std::FILE* screen_;
    std::string prompt_;
};

} // namespace

std::unique_ptr<LineEditor> OpenPlainLineEditor(std::FILE* screen, std::string prompt)
{
    return std::make_unique<PlainLineEditor>(screen, std::move(prompt));
}

} // namespace velmar
