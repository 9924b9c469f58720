#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace velmar {

struct TypedLine {
    enum class Kind {
        Line,        // Text holds the line, without its line end
        Interrupted, // a signal (Ctrl+C) cut the line short
        End,         // end of input (Ctrl+D) or the terminal is gone
    };
    Kind Status = Kind::End;
    std::string Text;
};

// Reads the lines of the interactive mode from standard input after a
// prompt on a screen.
class LineEditor {
public:
    virtual ~LineEditor() = default;

    virtual TypedLine readLine() = 0;

    // Adds a line to those the arrow keys recall.
    virtual void remember(const std::string& line) = 0;
};

// Line editing and recall of earlier lines through libedit where the system
// has it; otherwise the terminal's own line input, without recall.
std::unique_ptr<LineEditor> OpenLineEditor(std::FILE* screen, std::string prompt);

// The two kinds OpenLineEditor chooses from. The editing one is null when
// libedit cannot be loaded.
std::unique_ptr<LineEditor> OpenEditingLineEditor(std::FILE* screen, const std::string& prompt);
std::unique_ptr<LineEditor> OpenPlainLineEditor(std::FILE* screen, std::string prompt);

} // namespace velmar
