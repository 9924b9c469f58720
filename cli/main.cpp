#include <optional>
#include <span>
#include <system_error>
#include <unistd.h>

#include "cli/batch_mode.h"
#include "cli/command_line.h"
#include "cli/help_text.h"
#include "cli/interactive_mode.h"
#include "cli/listing.h"
#include "cli/operand_dispatch.h"
#include "cli/output.h"
#include "cli/program_name.h"
#include "cli/query_conversion.h"
#include "cli/usage_error.h"

namespace {

int run(const velmar::CommandLine& command)
{
    using velmar::RunMode;
    switch (command.Mode) {
    case RunMode::Help:
        velmar::StandardOutput().write(velmar::HelpText());
        return 0;
    case RunMode::Version:
        velmar::StandardOutput().write(velmar::VersionText());
        return 0;
    case RunMode::List:
        return velmar::RunList(command.Operands.empty() ? std::nullopt : std::optional(command.Operands.front()));
    case RunMode::Batch:
        return velmar::RunBatch(command.Marks,
                                command.Json ? velmar::BatchReplyForm::Json : velmar::BatchReplyForm::Text);
    case RunMode::Interactive:
        return velmar::RunInteractive(command);
    case RunMode::Convert:
        break;
    }
    return velmar::RunConversionOperands(command, velmar::QueryRunner(command), command.Operands);
}

} // namespace

int main(int argc, char* argv[])
{
    const velmar::ParsedCommandLine parsed
        = velmar::ParseCommandLine(std::span(argv + 1, argv + argc), ::isatty(STDIN_FILENO) == 1);
    if (!parsed.UsageError.empty())
        return velmar::ReportUsageError(parsed.UsageError);

    // A result that never reached its reader must not pass for success; the
    // interactive mode writes each answer as it comes.
    try {
        const int status = run(parsed.Command);
        velmar::StandardOutput().flush();
        return status;
    } catch (const std::system_error&) {
        velmar::WriteToStandardError(velmar::ProgramMessage("cannot write standard output"));
        return 1;
    }
}
