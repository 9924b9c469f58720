#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace velmar {

// Reads a file descriptor in large blocks and hands out its lines. A line
// ends at "\n"; a "\r" just before it belongs to the line end, so CRLF input
// reads like LF input. Text after the last "\n" is a final line of its own
// (its trailing "\r" dropped likewise). Lines may be of any length and hold
// any bytes, NUL included.
class LineReader {
public:
    explicit LineReader(int fileDescriptor);

    // The next line without its line end, valid until the next call; nullopt
    // at the end of the input. Throws std::system_error when reading fails.
    std::optional<std::string_view> next();

    // Runs `hook` before each read that would wait for input (none has
    // arrived yet), so that what was answered so far can reach a reader who
    // waits for it before sending more.
    void setBeforeWaiting(std::function<void()> hook) { beforeWaiting_ = std::move(hook); }

    // Whether input (or its end) arrives within `patience`, without reading it.
    bool inputArrives(std::chrono::milliseconds patience) const;

private:
    void readMore();
    std::string_view takeLine(std::size_t lineEnd, std::size_t nextBegin);

    int fileDescriptor_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;   // start of the line being assembled
    std::size_t scanned_ = 0; // bytes before this hold no "\n" of the current line
    std::size_t end_ = 0;     // end of the bytes read so far
    bool inputEnded_ = false;
    std::function<void()> beforeWaiting_;
};

} // namespace velmar
