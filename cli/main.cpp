#include <cstdio>
#include <optional>
#include <span>

#include "cli/batch_mode.h"
#include "cli/command_line.h"
#include "cli/help_text.h"
#include "cli/listing.h"
#include "cli/program_name.h"
#include "cli/query_conversion.h"
#include "cli/single_conversion.h"
#include "cli/usage_error.h"

namespace {

void print(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

int run(const velmar::CommandLine& command)
{
    using velmar::RunMode;
    switch (command.Mode) {
    case RunMode::Help:
        print(velmar::HelpText());
        return 0;
    case RunMode::Version:
        print(velmar::VersionText());
        return 0;
    case RunMode::List:
        return velmar::RunList(command.Operands.empty() ? std::nullopt : std::optional(command.Operands.front()));
    case RunMode::Batch:
        return velmar::RunBatch(command.Marks);
    case RunMode::Convert:
        break;
    }
    if (velmar::IsCategoryForm(command.Operands))
        return velmar::RunSingleConversion(command);
    return velmar::QueryRunner(command).run(command.Operands);
}

} // namespace

int main(int argc, char* argv[])
{
    const velmar::ParsedCommandLine parsed = velmar::ParseCommandLine(std::span(argv + 1, argv + argc));
    if (!parsed.UsageError.empty())
        return velmar::ReportUsageError(parsed.UsageError);

    const int status = run(parsed.Command);
    // A result that never reached its reader must not pass for success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "%s: cannot write standard output\n", velmar::ProgramName);
        return 1;
    }
    return status;
}
