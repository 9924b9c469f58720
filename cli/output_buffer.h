#pragma once

#include <string>

namespace velmar {

// Collects output text and writes it to a file descriptor in large blocks.
class OutputBuffer {
public:
    explicit OutputBuffer(int fileDescriptor);

    std::string& text() { return text_; }

    // Writes the collected text once it has grown to a block. Both throw
    // std::system_error when writing fails.
    void writeIfFull();
    void flush();

private:
    int fileDescriptor_;
    std::string text_;
};

} // namespace velmar
