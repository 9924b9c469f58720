#pragma once

#include <span>
#include <string_view>

#include "cli/command_line.h"
#include "cli/query_conversion.h"

namespace velmar {

// The one way a conversion's words are answered, for the operands of the
// command line and for each line of the interactive mode alike: the
// CATEGORY FROM TO VALUE form, or else a query. `queries` carries the same
// options. Returns the exit status of that one answer.
int RunConversionOperands(const CommandLine& options, const QueryRunner& queries,
                          std::span<const std::string_view> operands);

} // namespace velmar
