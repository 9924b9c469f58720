#pragma once

#include <string_view>

namespace velmar {

inline constexpr int UsageErrorStatus = 2;

// Where a usage error sends the user for help: --help on a command line, the
// help command in an interactive session.
enum class HelpPointer { HelpOption, SessionCommand };
void PointUsageErrorsTo(HelpPointer pointer);

// Prints the message and where to find help on standard error; returns the
// usage error exit status.
int ReportUsageError(std::string_view message);

} // namespace velmar
