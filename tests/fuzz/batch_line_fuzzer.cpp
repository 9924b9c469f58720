// velmar-convert --batch on any bytes: the line reader splits them into the
// lines a plain split at "\n" gives (a "\r" before it belongs to the line
// end), and every line gets exactly one reply line of printable text.
#include <algorithm>
#include <fcntl.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/batch_converter.h"
#include "cli/line_reader.h"
#include "tests/fuzz/fuzz_support.h"

namespace velmar::fuzz {
namespace {

std::vector<std::string_view> expectedLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

// One line reader for the whole run, reading a pipe that each input is
// written into: a new reader zero-fills a 1 MiB buffer, which under
// AddressSanitizer costs far more than the rest of a run.
class PipedLineReader {
public:
    PipedLineReader()
    {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            fail("cannot create the input pipe", "");
        readEnd_ = ends[0];
        writeEnd_ = ends[1];
        capacity_ = static_cast<std::size_t>(
            std::max(::fcntl(writeEnd_, F_SETPIPE_SZ, 1 << 20), ::fcntl(writeEnd_, F_GETPIPE_SZ)));
        reader_.emplace(readEnd_);
    }
    ~PipedLineReader()
    {
        ::close(readEnd_);
        ::close(writeEnd_);
    }
    PipedLineReader(const PipedLineReader&) = delete;
    PipedLineReader& operator=(const PipedLineReader&) = delete;

    // The lines of `bytes` as the reader gives them; nothing when they do not
    // fit the pipe. A "\n" is added after a last line without one, since the
    // reader waits for more until a line ends.
    std::optional<std::vector<std::string>> lines(std::string_view bytes)
    {
        std::string input(bytes);
        if (!input.empty() && !input.ends_with('\n'))
            input += '\n';
        if (input.size() > capacity_)
            return std::nullopt;
        if (::write(writeEnd_, input.data(), input.size()) != static_cast<ssize_t>(input.size()))
            fail("cannot write the input pipe", bytes);
        std::vector<std::string> lines;
        for (std::size_t count = std::ranges::count(input, '\n'); lines.size() < count;) {
            const auto line = reader_->next();
            if (!line)
                fail("the line reader ended early", bytes);
            lines.emplace_back(*line);
        }
        return lines;
    }

private:
    int readEnd_ = -1;
    int writeEnd_ = -1;
    std::size_t capacity_ = 0;
    std::optional<LineReader> reader_;
};

void checkReply(std::string_view line, const BatchConverter& converter)
{
    std::string reply;
    converter.convertLine(line, reply);
    if (!reply.ends_with('\n'))
        fail("reply without its line end", reply);
    reply.pop_back();
    requireOneLineOfPrintableText(reply, "reply");
}

} // namespace
} // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    static const velmar::BatchConverter converter(velmar::RegionalMarks{});
    static PipedLineReader reader;
    const std::string_view bytes = FuzzInput(data, size).rest();
    const std::vector<std::string_view> expected = expectedLines(bytes);

    if (const auto lines = reader.lines(bytes); lines && !std::ranges::equal(*lines, expected))
        fail("the line reader split the input differently", bytes);
    for (const std::string_view line : expected)
        checkReply(line, converter);
    return 0;
}
