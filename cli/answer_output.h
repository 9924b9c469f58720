#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/conversion.h"

namespace velmar {

// A conversion as it was understood, in display names, and its outcome.
struct Answer {
    int Category = -1;
    std::vector<std::string> Values; // each part's value as converted
    std::vector<std::string> Units;  // each part's unit, empty for none
    std::string Target;
    ConversionOutcome Outcome;
};

// Prints the answer in the form the options ask for: the bare result text,
// the understood query with it (--explain), or a JSON object (--json).
// Returns the exit status: 0 for a result, 1 for an error text or a fault.
int PrintAnswer(const Answer& answer, const CommandLine& options);

// Reports every reason a query cannot run, on standard error or as a JSON
// object, and returns the usage error status.
int PrintUsageFailures(std::span<const std::string> failures, std::string_view query, const CommandLine& options);

} // namespace velmar
