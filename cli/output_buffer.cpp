#include "cli/output_buffer.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

#include "cli/io_block.h"

namespace velmar {

OutputBuffer::OutputBuffer(int fileDescriptor)
    : fileDescriptor_(fileDescriptor)
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
    std::size_t written = 0;
    while (written < text_.size()) {
        const ssize_t count = ::write(fileDescriptor_, text_.data() + written, text_.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw std::system_error(errno, std::generic_category(), "cannot write standard output");
        written += static_cast<std::size_t>(count);
    }
    text_.clear();
}

} // namespace velmar
