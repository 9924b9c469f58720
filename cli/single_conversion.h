#pragma once

#include "cli/command_line.h"

namespace velmar {

// Converts the CATEGORY FROM TO VALUE of the command line and prints the
// result. Returns the exit status: 0 for a result, 1 for an error text or a
// fault, 2 for names that match nothing.
int RunSingleConversion(const CommandLine& command);

} // namespace velmar
