#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/cli/converter_process.h"

namespace {

// Output that never reaches its reader must not pass for success, whatever
// the mode; standard error says why. Batch mode names the system's reason.
TEST(OutputFailure, EveryModeReportsAnUnwritableStandardOutput)
{
    const std::string plainReport = "velmar-convert: cannot write standard output\n";
    const struct {
        std::vector<std::string> Arguments;
        std::string Input;
        OutputTarget Output;
        std::string Err;
        int ExitStatus;
    } cases[] = {
        {{"Length", "foot", "inch", "5"}, "", OutputTarget::Closed, plainReport, 1},
        {{"Length", "foot", "inch", "5"}, "", OutputTarget::FullDevice, plainReport, 1},
        {{"Length", "foot", "inch", "12a"}, "", OutputTarget::FullDevice, plainReport, 1},
        {{"Length", "foot", "inch", ""}, "", OutputTarget::Closed, plainReport, 1},
        {{"--list"}, "", OutputTarget::FullDevice, plainReport, 1},
        {{"--list", "Numbers"}, "", OutputTarget::Closed, plainReport, 1},
        {{"--help"}, "", OutputTarget::Closed, plainReport, 1},
        {{"--version"}, "", OutputTarget::FullDevice, plainReport, 1},
        {{"--batch"},
         "Length\tfoot\tinch\t5\n",
         OutputTarget::Closed,
         "velmar-convert: cannot write standard output: Bad file descriptor\n",
         1},
        {{"--batch"},
         "Length\tfoot\tinch\t5\n",
         OutputTarget::FullDevice,
         "velmar-convert: cannot write standard output: No space left on device\n",
         1},
        // nothing to write, so nothing fails
        {{"--batch"}, "", OutputTarget::Closed, "", 0},
        {{"Length", "meter", "foot", "1E4933"}, "", OutputTarget::Closed, "error: Floating point overflow.\n", 1},
        {{"Lenght", "meter", "foot", "1"},
         "",
         OutputTarget::FullDevice,
         "velmar-convert: unknown category \"Lenght\"; did you mean Length or Light?\n"
         "Try 'velmar-convert --help' for more information.\n",
         2},
    };
    for (const auto& c : cases) {
        const ProcessResult run = RunConverter(c.Arguments, c.Input, c.Output);
        SCOPED_TRACE(testing::PrintToString(c.Arguments));
        EXPECT_EQ(run.Err, c.Err);
        EXPECT_EQ(run.ExitStatus, c.ExitStatus);
    }
}

} // namespace
