#include "cli/line_reader.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <system_error>
#include <unistd.h>

#include "cli/io_block.h"

namespace velmar {

LineReader::LineReader(int fileDescriptor)
    : fileDescriptor_(fileDescriptor)
    , buffer_(IoBlockSize)
{ }

std::optional<std::string_view> LineReader::next()
{
    for (;;) {
        const void* newline = std::memchr(buffer_.data() + scanned_, '\n', end_ - scanned_);
        if (newline) {
            const auto lineEnd = static_cast<std::size_t>(static_cast<const char*>(newline) - buffer_.data());
            return takeLine(lineEnd, lineEnd + 1);
        }
        scanned_ = end_;
        if (inputEnded_)
            return begin_ < end_ ? std::optional(takeLine(end_, end_)) : std::nullopt;
        if (beforeWaiting_ && !inputArrives(std::chrono::milliseconds(0)))
            beforeWaiting_();
        readMore();
    }
}

std::string_view LineReader::takeLine(std::size_t lineEnd, std::size_t nextBegin)
{
    std::string_view line(buffer_.data() + begin_, lineEnd - begin_);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    begin_ = scanned_ = nextBegin;
    return line;
}

bool LineReader::inputArrives(std::chrono::milliseconds patience) const
{
    pollfd input{fileDescriptor_, POLLIN, 0};
    // An error or hang-up also lets the read return at once.
    return ::poll(&input, 1, static_cast<int>(patience.count())) != 0;
}

void LineReader::readMore()
{
    // Keep only the unfinished line, at the front; grow when it fills the buffer.
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        scanned_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2);

    ssize_t count = 0;
    do {
        count = ::read(fileDescriptor_, buffer_.data() + end_, buffer_.size() - end_);
    } while (count < 0 && errno == EINTR);
    if (count < 0)
        throw std::system_error(errno, std::generic_category(), "cannot read standard input");
    if (count == 0)
        inputEnded_ = true;
    end_ += static_cast<std::size_t>(count);
}

} // namespace velmar
