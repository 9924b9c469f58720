#pragma once

#include <string>
#include <string_view>
#include <vector>

// What a run of the real velmar-convert binary produced.
struct ProcessResult {
    int ExitStatus = -1; // -1 when the process did not exit normally
    std::string Out;
    std::string Err;
};

// Runs velmar-convert with `arguments`, feeding `input` to its standard input
// while collecting both output streams (so large inputs and outputs cannot
// deadlock).
ProcessResult RunConverter(const std::vector<std::string>& arguments, std::string_view input = {});

// The lines of an output, without their "\n"; text after the last "\n" comes
// back as a last line marked "<no line end>".
std::vector<std::string> LinesOf(const std::string& text);
