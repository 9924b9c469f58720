#include "cli/output.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

#include "cli/io_block.h"
#include "cli/program_name.h"

namespace velmar {

bool WriteAll(int fileDescriptor, std::string_view text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(fileDescriptor, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        written += static_cast<std::size_t>(count);
    }
    return true;
}

OutputBuffer::OutputBuffer()
{
    text_.reserve(2 * IoBlockSize);
}

void OutputBuffer::writeIfFull()
{
    if (text_.size() >= IoBlockSize)
        flush();
}

void OutputBuffer::flush()
{
    if (!WriteAll(STDOUT_FILENO, text_))
        throw std::system_error(errno, std::generic_category(), "cannot write standard output");
    text_.clear();
}

OutputBuffer& StandardOutput()
{
    static OutputBuffer output;
    return output;
}

void WriteToStandardError(std::string_view text)
{
    WriteAll(STDERR_FILENO, text);
}

std::string ProgramMessage(std::string_view message)
{
    return std::string(ProgramName) + ": " + std::string(message) + "\n";
}

} // namespace velmar
