#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/number_format.h"

namespace velmar {

// Interactive: no operands, and a terminal to read lines from.
enum class RunMode { Convert, Interactive, Batch, List, Help, Version };

struct CommandLine {
    RunMode Mode = RunMode::Convert;
    std::vector<std::string_view> Operands; // a query, CATEGORY FROM TO VALUE, or the --list CATEGORY
    ResultForm ViewType = ResultForm::AutoFormat;
    std::int32_t Precision = 4;
    RegionalMarks Marks;
    std::string_view Category; // --category: the category a query is in; empty to infer it
    bool Explain = false;      // --explain: say what the query was understood as
    bool Json = false;         // --json: answers as JSON objects
};

struct ParsedCommandLine {
    CommandLine Command;
    std::string UsageError; // empty when the arguments make sense
};

// Options are "--name value" or "--name=value" and may stand anywhere before
// "--"; every other argument, including "-" and negative numbers such as
// "-40", is an operand, except the short options -h, -V and -v. "--help"
// and "--version" (-h, -V) win over everything else before "--".
// Without operands, conversion becomes the interactive mode when standard
// input is a terminal, and a usage error otherwise: a script that forgets
// its operands must not wait for input.
ParsedCommandLine ParseCommandLine(std::span<char* const> arguments, bool inputIsTerminal);

} // namespace velmar
