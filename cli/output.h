#pragma once

#include <string>
#include <string_view>

namespace velmar {

// Everything velmar-convert writes goes through here.

// Collects text for standard output and writes it in large blocks, so that
// batch conversion of big files makes few system calls.
class OutputBuffer {
public:
    OutputBuffer();

    std::string& text() { return text_; }
    void write(std::string_view text) { text_ += text; }

    // Writes the collected text once it has grown to a block. Both throw
    // std::system_error when writing fails.
    void writeIfFull();
    void flush();

    // Forgets the text not written yet.
    void discard() { text_.clear(); }

private:
    std::string text_;
};

// The one buffer of standard output, written when the run ends or, in batch
// mode, block by block.
OutputBuffer& StandardOutput();

// Writes all of `text` to a file descriptor, going on after interruptions
// and partial writes; false (errno set) when writing fails.
bool WriteAll(int fileDescriptor, std::string_view text);

// Writes `text` to standard error at once. A failure goes unreported: there
// is nowhere left to report it.
void WriteToStandardError(std::string_view text);

// The line that reports a failure: the program's name, ": ", the message.
std::string ProgramMessage(std::string_view message);

} // namespace velmar
