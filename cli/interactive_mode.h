#pragma once

#include "cli/command_line.h"

namespace velmar {

// The interactive mode: reads conversions from the terminal, one a line, and
// answers each as the command line answers its operands, with the options
// the command line gave, until quit, exit or the end of input. An error
// ends no session. Returns 0; throws std::system_error when standard output
// cannot be written.
int RunInteractive(const CommandLine& options);

} // namespace velmar
