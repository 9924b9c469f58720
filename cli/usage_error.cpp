#include "cli/usage_error.h"

#include <string>

#include "cli/output.h"
#include "cli/program_name.h"

namespace velmar {

int ReportUsageError(std::string_view message)
{
    WriteToStandardError(ProgramMessage(message) + "Try '" + ProgramName + " --help' for more information.\n");
    return UsageErrorStatus;
}

} // namespace velmar
