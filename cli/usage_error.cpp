#include "cli/usage_error.h"

#include <string>

#include "cli/output.h"
#include "cli/program_name.h"

namespace velmar {
namespace {

HelpPointer PointedHelp = HelpPointer::HelpOption;

} // namespace

void PointUsageErrorsTo(HelpPointer pointer)
{
    PointedHelp = pointer;
}

int ReportUsageError(std::string_view message)
{
    const std::string help = PointedHelp == HelpPointer::HelpOption
        ? std::string("Try '") + ProgramName + " --help' for more information.\n"
        : "Type help to see the forms a line can take.\n";
    WriteToStandardError(ProgramMessage(message) + help);
    return UsageErrorStatus;
}

} // namespace velmar
