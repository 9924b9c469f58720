// The line editor on libedit: emacs keys (or the user's ~/.editrc), Up and
// Down or Ctrl+P and Ctrl+N recall earlier lines, Ctrl+R searches them.
//
// libedit is loaded only when a session starts: linked in, it and the
// libraries it needs took longer to load than a whole one-shot conversion.
#include <cerrno>
#include <climits>
#include <clocale>
#include <cstring>
#include <cwchar>
#include <dlfcn.h>
#include <histedit.h>
#include <langinfo.h>
#include <unistd.h>

#include "cli/history_file.h"
#include "cli/interrupts.h"
#include "cli/line_editor.h"
#include "cli/program_name.h"

namespace velmar {
namespace {

// The library's soname: the interface these declarations describe.
constexpr const char* LibeditName = "libedit.so.2";

// The functions the editor calls, from the loaded library. Once the editor
// has been set up the library stays loaded until the program ends: the
// terminal descriptions it has read stay in its keeping.
struct Libedit {
    decltype(&::el_init) Init = nullptr;
    decltype(&::el_end) End = nullptr;
    decltype(&::el_gets) Gets = nullptr;
    decltype(&::el_set) Set = nullptr;
    decltype(&::el_source) Source = nullptr;
    decltype(&::history_init) HistoryInit = nullptr;
    decltype(&::history_end) HistoryEnd = nullptr;
    decltype(&::history) History = nullptr;
};

template <typename Function>
bool find(void* handle, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(::dlsym(handle, name));
    return function != nullptr;
}

// Null when the library or one of its functions is missing.
std::unique_ptr<Libedit> LoadLibedit()
{
    void* const handle = ::dlopen(LibeditName, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return nullptr;
    auto library = std::make_unique<Libedit>();
    const bool complete = find(handle, "el_init", library->Init) && find(handle, "el_end", library->End)
        && find(handle, "el_gets", library->Gets) && find(handle, "el_set", library->Set)
        && find(handle, "el_source", library->Source) && find(handle, "history_init", library->HistoryInit)
        && find(handle, "history_end", library->HistoryEnd) && find(handle, "history", library->History);
    if (!complete) {
        ::dlclose(handle);
        return nullptr;
    }
    return library;
}

// libedit decodes what is typed by LC_CTYPE, and names are UTF-8 whatever
// the locale says ("réaumur"); C.UTF-8 stands in for a locale of another
// character set. Numbers are still read and written by the engine alone.
void ReadUtf8()
{
    if (std::setlocale(LC_CTYPE, "") == nullptr || std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
}

// libedit asks for the prompt through a plain function, and a program runs
// one session at most.
std::string SessionPrompt;

char* PromptOf(EditLine*)
{
    return SessionPrompt.data();
}

// Reads one typed character for libedit, as its own reader does, except
// that the wait for a key is the one place where Ctrl+C gets through (see
// InterruptHeld). Returns 1, 0 at the end of input, -1 on an error or Ctrl+C
// (errno EINTR, which readLine reports as an interrupted line).
int ReadKey(EditLine*, wchar_t* key)
{
    char bytes[MB_LEN_MAX];
    std::size_t count = 0;
    for (;;) {
        const Waited waited = WaitForInput(STDIN_FILENO);
        if (waited != Waited::InputReady) {
            if (waited == Waited::Interrupted)
                errno = EINTR;
            return -1;
        }
        const ssize_t read = ::read(STDIN_FILENO, bytes + count, 1);
        if (read <= 0)
            return read == 0 ? 0 : -1;
        ++count;
        std::mbstate_t state{};
        const std::size_t decoded = std::mbrtowc(key, bytes, count, &state);
        if (decoded == static_cast<std::size_t>(-2) && count < MB_LEN_MAX)
            continue; // the rest of a UTF-8 sequence is on its way
        if (decoded <= count)
            return 1;
        count = 0; // not a character: dropped
    }
}

class EditingLineEditor : public LineEditor {
public:
    // Takes over `editor` and `lines`, made by `library`.
    EditingLineEditor(std::unique_ptr<Libedit> library, EditLine* editor, History* lines)
        : library_(std::move(library))
        , editor_(editor)
        , lines_(lines)
    { }

    ~EditingLineEditor() override
    {
        library_->End(editor_);
        library_->HistoryEnd(lines_);
    }

    EditingLineEditor(const EditingLineEditor&) = delete;
    EditingLineEditor& operator=(const EditingLineEditor&) = delete;

    TypedLine readLine() override
    {
        const InterruptHeld interrupts;
        int count = 0;
        const char* line = library_->Gets(editor_, &count);
        if (line == nullptr)
            return {count < 0 && errno == EINTR ? TypedLine::Kind::Interrupted : TypedLine::Kind::End, {}};
        std::string text(line, static_cast<std::size_t>(count));
        if (text.ends_with('\n'))
            text.pop_back();
        return {TypedLine::Kind::Line, std::move(text)};
    }

    void remember(const std::string& line) override
    {
        HistEvent event{};
        library_->History(lines_, &event, H_ENTER, line.c_str());
    }

private:
    std::unique_ptr<Libedit> library_;
    EditLine* editor_;
    History* lines_;
};

} // namespace

std::unique_ptr<LineEditor> OpenEditingLineEditor(std::FILE* screen, const std::string& prompt)
{
    std::unique_ptr<Libedit> library = LoadLibedit();
    if (!library)
        return nullptr;
    const Libedit& edit = *library;
    ReadUtf8();
    EditLine* const editor = edit.Init(ProgramName, stdin, screen, stderr);
    History* const lines = edit.HistoryInit();
    if (editor == nullptr || lines == nullptr) {
        if (editor != nullptr)
            edit.End(editor);
        if (lines != nullptr)
            edit.HistoryEnd(lines);
        return nullptr;
    }
    HistEvent event{};
    edit.History(lines, &event, H_SETSIZE, static_cast<int>(HistoryFile::HistoryLimit));
    edit.History(lines, &event, H_SETUNIQUE, 1);
    SessionPrompt = prompt;
    edit.Set(editor, EL_PROMPT, &PromptOf);
    edit.Set(editor, EL_EDITOR, "emacs");
    // libedit then puts the terminal back for Ctrl+C and Ctrl+Z, and redraws
    // the line after fg and when the window changes size.
    edit.Set(editor, EL_SIGNAL, 1);
    edit.Set(editor, EL_GETCFN, &ReadKey);
    edit.Set(editor, EL_HIST, edit.History, lines);
    edit.Source(editor, nullptr);
    return std::make_unique<EditingLineEditor>(std::move(library), editor, lines);
}

} // namespace velmar
