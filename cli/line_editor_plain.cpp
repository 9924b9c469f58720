// The line editor where libedit is missing (a static build for another
// processor, or a system without it): the prompt, then the terminal's own
// line input, no recall.
#include <unistd.h>

#include "cli/interrupts.h"
#include "cli/line_editor.h"

namespace velmar {
namespace {

class PlainLineEditor : public LineEditor {
public:
    PlainLineEditor(std::FILE* screen, std::string prompt)
        : screen_(screen)
        , prompt_(std::move(prompt))
    { }

    TypedLine readLine() override
    {
        const InterruptHeld interrupts;
        std::fputs(prompt_.c_str(), screen_);
        std::fflush(screen_);
        TypedLine typed{TypedLine::Kind::Line, {}};
        for (char c; typed.Text.empty() || typed.Text.back() != '\n';) {
            const Waited waited = WaitForInput(STDIN_FILENO);
            if (waited != Waited::InputReady)
                return {waited == Waited::Interrupted ? TypedLine::Kind::Interrupted : TypedLine::Kind::End, {}};
            if (::read(STDIN_FILENO, &c, 1) <= 0)
                return {TypedLine::Kind::End, {}};
            typed.Text += c;
        }
        typed.Text.pop_back();
        return typed;
    }

    void remember(const std::string&) override { }

private:
    std::FILE* screen_;
    std::string prompt_;
};

} // namespace

std::unique_ptr<LineEditor> OpenPlainLineEditor(std::FILE* screen, std::string prompt)
{
    return std::make_unique<PlainLineEditor>(screen, std::move(prompt));
}

} // namespace velmar
