// The line editor on libedit: emacs keys (or the user's ~/.editrc), Up and
// Down or Ctrl+P and Ctrl+N recall earlier lines, Ctrl+R searches them.
#include <cerrno>
#include <clocale>
#include <cstring>
#include <histedit.h>
#include <langinfo.h>
#include <new>

#include "cli/history_file.h"
#include "cli/line_editor.h"
#include "cli/program_name.h"

namespace velmar {

struct LineEditor::State {
    std::string Prompt;
    EditLine* Editor = nullptr;
    History* Lines = nullptr;
    HistEvent Event{};
};

namespace {

char* promptOf(EditLine* editor)
{
    void* prompt = nullptr;
    el_get(editor, EL_CLIENTDATA, &prompt);
    return static_cast<std::string*>(prompt)->data();
}

// libedit decodes what is typed by LC_CTYPE, and names are UTF-8 whatever
// the locale says ("réaumur"); C.UTF-8 stands in for a locale of another
// character set. Numbers are still read and written by the engine alone.
void readUtf8()
{
    if (std::setlocale(LC_CTYPE, "") == nullptr || std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
}

} // namespace

LineEditor::LineEditor(std::FILE* screen, std::string prompt)
    : state_(std::make_unique<State>())
{
    readUtf8();
    state_->Prompt = std::move(prompt);
    state_->Editor = el_init(ProgramName, stdin, screen, stderr);
    state_->Lines = history_init();
    if (state_->Editor == nullptr || state_->Lines == nullptr)
        throw std::bad_alloc();
    history(state_->Lines, &state_->Event, H_SETSIZE, static_cast<int>(HistoryFile::HistoryLimit));
    history(state_->Lines, &state_->Event, H_SETUNIQUE, 1);
    el_set(state_->Editor, EL_CLIENTDATA, &state_->Prompt);
    el_set(state_->Editor, EL_PROMPT, &promptOf);
    el_set(state_->Editor, EL_EDITOR, "emacs");
    // libedit then puts the terminal back for Ctrl+C and Ctrl+Z, and redraws
    // the line after fg and when the window changes size.
    el_set(state_->Editor, EL_SIGNAL, 1);
    el_set(state_->Editor, EL_HIST, history, state_->Lines);
    el_source(state_->Editor, nullptr);
}

LineEditor::~LineEditor()
{
    if (state_->Editor != nullptr)
        el_end(state_->Editor);
    if (state_->Lines != nullptr)
        history_end(state_->Lines);
}

TypedLine LineEditor::readLine()
{
    int count = 0;
    const char* line = el_gets(state_->Editor, &count);
    if (line == nullptr)
        return {count < 0 && errno == EINTR ? TypedLine::Kind::Interrupted : TypedLine::Kind::End, {}};
    std::string text(line, static_cast<std::size_t>(count));
    if (text.ends_with('\n'))
        text.pop_back();
    return {TypedLine::Kind::Line, std::move(text)};
}

void LineEditor::remember(const std::string& line)
{
    history(state_->Lines, &state_->Event, H_ENTER, line.c_str());
}

} // namespace velmar
