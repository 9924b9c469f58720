#include "cli/answer_output.h"

#include <cstdio>

#include "catalogue/unit_catalogue.h"
#include "cli/json_output.h"
#include "cli/output.h"
#include "cli/program_name.h"
#include "cli/usage_error.h"

namespace velmar {
namespace {

constexpr int ErrorStatus = 1;

std::string joined(const std::vector<std::string>& texts, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            text += separator;
        text += texts[i];
    }
    return text;
}

// "5 foot 10 inch"; a part without a unit is its value alone.
std::string sourceText(const Answer& answer)
{
    std::string text;
    for (std::size_t i = 0; i < answer.Values.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += answer.Values[i];
        if (!answer.Units[i].empty())
            text += ' ' + answer.Units[i];
    }
    return text;
}

std::string explanation(const Answer& answer)
{
    const std::string category(categoryInfo(answer.Category).DisplayName);
    const std::string& outcome = answer.Outcome.Text;
    if (answer.Outcome.Outcome == ConversionOutcome::Kind::Result)
        return sourceText(answer) + " = " + outcome + " " + answer.Target + " (" + category + ")";
    return sourceText(answer) + " to " + answer.Target + ": " + outcome + " (" + category + ")";
}

std::string jsonOf(const Answer& answer)
{
    const bool isResult = answer.Outcome.Outcome == ConversionOutcome::Kind::Result;
    const bool hasSource = !answer.Units.empty() && !answer.Units.front().empty();
    const std::string from = joined(answer.Units, " + ");
    const std::string input = joined(answer.Values, " + ");
    return JsonObject({.Category = categoryInfo(answer.Category).DisplayName,
                       .From = hasSource ? std::optional<std::string_view>(from) : std::nullopt,
                       .To = answer.Target,
                       .Input = input,
                       .Result = isResult ? std::optional<std::string_view>(answer.Outcome.Text) : std::nullopt,
                       .Error = isResult ? std::nullopt : std::optional<std::string_view>(answer.Outcome.Text)});
}

void printLine(const std::string& line)
{
    StandardOutput().write(line);
    StandardOutput().write("\n");
}

} // namespace

int PrintAnswer(const Answer& answer, const CommandLine& options)
{
    const bool fault = answer.Outcome.Outcome == ConversionOutcome::Kind::Fault;
    if (options.Json)
        printLine(jsonOf(answer));
    else if (fault)
        WriteToStandardError("error: " + answer.Outcome.Text + "\n");
    else
        printLine(options.Explain ? explanation(answer) : answer.Outcome.Text);
    return answer.Outcome.Outcome == ConversionOutcome::Kind::Result ? 0 : ErrorStatus;
}

int PrintUsageFailures(std::span<const std::string> failures, std::string_view query, const CommandLine& options)
{
    if (options.Json) {
        std::string message;
        for (const std::string& failure : failures)
            message += (message.empty() ? "" : "; ") + failure;
        printLine(JsonObject({.Input = query, .Error = message}));
        return UsageErrorStatus;
    }
    for (std::size_t i = 0; i + 1 < failures.size(); ++i)
        WriteToStandardError(ProgramMessage(failures[i]));
    return ReportUsageError(failures.back());
}

} // namespace velmar
