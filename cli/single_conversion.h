#pragma once

#include <span>
#include <string_view>

#include "cli/command_line.h"

namespace velmar {

// Converts the CATEGORY FROM TO VALUE of `operands` with the options of the
// command line and prints the result. Returns the exit status: 0 for a
// result, 1 for an error text or a fault, 2 for names that match nothing.
int RunSingleConversion(const CommandLine& options, std::span<const std::string_view> operands);

} // namespace velmar
