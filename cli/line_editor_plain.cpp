// The line editor of a build without libedit (a static build for another
// processor): the prompt, then the terminal's own line input, no recall.
#include <cerrno>
#include <unistd.h>

#include "cli/line_editor.h"

namespace velmar {

struct LineEditor::State {
    std::FILE* Screen;
    std::string Prompt;
};

LineEditor::LineEditor(std::FILE* screen, std::string prompt)
    : state_(std::make_unique<State>(State{screen, std::move(prompt)}))
{ }

LineEditor::~LineEditor() = default;

TypedLine LineEditor::readLine()
{
    std::fputs(state_->Prompt.c_str(), state_->Screen);
    std::fflush(state_->Screen);
    TypedLine typed{TypedLine::Kind::Line, {}};
    for (char c; typed.Text.empty() || typed.Text.back() != '\n';) {
        const ssize_t count = ::read(STDIN_FILENO, &c, 1);
        if (count < 0 && errno == EINTR)
            return {TypedLine::Kind::Interrupted, {}};
        if (count <= 0)
            return {TypedLine::Kind::End, {}};
        typed.Text += c;
    }
    typed.Text.pop_back();
    return typed;
}

void LineEditor::remember(const std::string&)
{ }

} // namespace velmar
