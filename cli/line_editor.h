#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

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
// prompt on `screen`: with line editing and recall of earlier lines through
// libedit, or, in a build without libedit, plainly.
class LineEditor {
public:
    LineEditor(std::FILE* screen, std::string prompt);
    ~LineEditor();
    LineEditor(const LineEditor&) = delete;
    LineEditor& operator=(const LineEditor&) = delete;

    TypedLine readLine();

    // Adds a line to those the arrow keys recall.
    void remember(const std::string& line);

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace velmar
