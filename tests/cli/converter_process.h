#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// What a run of the real velmar-convert binary produced.
struct ProcessResult {
    int ExitStatus = -1; // -1 when the process did not exit normally
    std::string Out;
    std::string Err;
};

// A table row for one run: the arguments, the whole standard output without
// its final "\n", and the exit status.
struct ConverterCase {
    std::vector<std::string> Arguments;
    std::string Out;
    int ExitStatus;
};

// The arguments in brackets, so a failing row names itself.
std::ostream& operator<<(std::ostream& out, const ConverterCase& c);

// Where the converter's standard output goes: collected into Out, or to a
// descriptor that fails every write.
enum class OutputTarget {
    Collected,
    Closed,     // no descriptor: writing fails with EBADF
    FullDevice, // /dev/full: writing fails with ENOSPC
};

// Runs velmar-convert with `arguments`, feeding `input` to its standard input
// while collecting both output streams (so large inputs and outputs cannot
// deadlock).
ProcessResult RunConverter(const std::vector<std::string>& arguments, std::string_view input = {},
                           OutputTarget output = OutputTarget::Collected);

// velmar-convert kept running, as a script drives a coprocess: a request
// written, its reply awaited, then the next.
class ConverterCoprocess {
public:
    explicit ConverterCoprocess(const std::vector<std::string>& arguments);
    ~ConverterCoprocess();
    ConverterCoprocess(const ConverterCoprocess&) = delete;
    ConverterCoprocess& operator=(const ConverterCoprocess&) = delete;

    void send(std::string_view text);

    // The next line of standard output without its "\n", or nullopt when none
    // comes within ten seconds.
    std::optional<std::string> replyLine();

    // Ends the input and returns the exit status.
    int finish();

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string received_;
};

// The lines of an output, without their "\n"; text after the last "\n" comes
// back as a last line marked "<no line end>".
std::vector<std::string> LinesOf(const std::string& text);
