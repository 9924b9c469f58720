#include "cli/interactive_mode.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "cli/answer_output.h"
#include "cli/case_folding.h"
#include "cli/history_file.h"
#include "cli/interrupts.h"
#include "cli/line_editor.h"
#include "cli/operand_dispatch.h"
#include "cli/output.h"
#include "cli/query_conversion.h"
#include "cli/shell_words.h"
#include "cli/usage_error.h"

namespace velmar {
namespace {

constexpr const char* Prompt = "> ";

constexpr const char* Greeting
    = "Type a conversion such as 60 mph to km/h; help shows the forms, quit or Ctrl+D ends.\n";

constexpr std::string_view SessionHelp = R"help(Type one conversion a line, in any form the command line takes:
  60 mph to km/h                  a query: value, unit, [to], unit
  5 ft 10 in to cm                parts that add up
  2.25 to mixed                   Fractions take no source unit
  Length "nautical mile" foot 3   CATEGORY FROM TO VALUE
Words are split as a shell splits them: quote a name with spaces, or put a
backslash before the space. Options given when the session began (--explain,
--json, --precision N, ...) apply to every line.
  help                            show this help
  quit, exit or Ctrl+D            end the session
  Ctrl+C                          discard the line being typed
Up and Down recall earlier lines, also from earlier sessions; they are kept in
$XDG_STATE_HOME/velmar-convert/history (~/.local/state/velmar-convert/history).
)help";

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool isCommand(const std::vector<std::string>& words, std::string_view command)
{
    return words.size() == 1 && FoldCase(words.front()) == command;
}

enum class Next { ReadOn, Leave };

// Answers one line as the command line answers the same words.
Next answerLine(const std::string& line, const CommandLine& options, const QueryRunner& queries)
{
    const ShellWords split = SplitShellWords(line);
    if (!split.Failure.empty()) {
        PrintUsageFailures(std::vector{split.Failure}, line, options);
        return Next::ReadOn;
    }
    if (isCommand(split.Words, "quit") || isCommand(split.Words, "exit"))
        return Next::Leave;
    if (isCommand(split.Words, "help")) {
        StandardOutput().write(SessionHelp);
        return Next::ReadOn;
    }
    const std::vector<std::string_view> operands(split.Words.begin(), split.Words.end());
    RunConversionOperands(options, queries, operands);
    return Next::ReadOn;
}

} // namespace

int RunInteractive(const CommandLine& options)
{
    // The prompt and the line being edited go to the terminal: with standard
    // output sent to a file, the file receives the answers alone.
    std::FILE* const screen = ::isatty(STDOUT_FILENO) ? stdout : stderr;
    HistoryFile historyFile(HistoryPath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")));
    const std::unique_ptr<LineEditor> editor = OpenLineEditor(screen, Prompt);
    for (const std::string& line : historyFile.load())
        editor->remember(line);
    const QueryRunner queries(options);
    const InterruptDiscardsLine interrupts;
    PointUsageErrorsTo(HelpPointer::SessionCommand);

    std::fputs(Greeting, screen);
    for (;;) {
        const TypedLine typed = editor->readLine();
        if (typed.Status != TypedLine::Kind::Line) {
            // The next prompt, or the shell's, starts on a line of its own.
            std::fputs("\n", screen);
            std::fflush(screen);
            if (typed.Status == TypedLine::Kind::End)
                return 0;
            continue;
        }
        if (isBlank(typed.Text))
            continue;
        editor->remember(typed.Text);
        historyFile.append(typed.Text);
        const Next next = answerLine(typed.Text, options, queries);
        StandardOutput().flush();
        if (next == Next::Leave)
            return 0;
    }
}

} // namespace velmar
