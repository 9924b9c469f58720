#include "cli/usage_error.h"

#include <cstdio>

#include "cli/program_name.h"

namespace velmar {

int ReportUsageError(std::string_view message)
{
    std::fprintf(stderr, "%s: %.*s\nTry '%s --help' for more information.\n", ProgramName,
                 static_cast<int>(message.size()), message.data(), ProgramName);
    return UsageErrorStatus;
}

} // namespace velmar
