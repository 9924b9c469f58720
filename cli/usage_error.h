#pragma once

#include <string_view>

namespace velmar {

inline constexpr int UsageErrorStatus = 2;

// Prints the message and a pointer to --help on standard error; returns the
// usage error exit status.
int ReportUsageError(std::string_view message);

} // namespace velmar
