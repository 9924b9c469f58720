#include "cli/command_line.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "cli/int32_text.h"
#include "cli/option_names.h"
#include "cli/quoted_text.h"
#include "engine/decimal_digits.h"
#include "text/utf8.h"

namespace velmar {
namespace {

std::optional<ResultForm> formNamed(std::string_view name)
{
    for (const FormatName& format : FormatNames) {
        if (format.Name == name)
            return format.Form;
    }
    return std::nullopt;
}

// "auto, scientific, fixed or commas"
std::string formNameList()
{
    std::vector<std::string> names;
    for (const FormatName& format : FormatNames)
        names.emplace_back(format.Name);
    return ListedInWords(names, " or ");
}

// A mark must be one printable character: it is written inside results, and a
// control character would break the one-line-per-request output.
bool isUsableMark(std::string_view mark)
{
    const auto first = mark.empty() ? 0 : static_cast<unsigned char>(mark.front());
    return IsSingleUtf8Character(mark) && first >= 0x20 && first != 0x7F;
}

// "--help" or "--version", whichever comes first before "--".
std::optional<RunMode> requestedInformation(std::span<char* const> arguments)
{
    for (const std::string_view argument : arguments) {
        if (argument == "--")
            break;
        const OptionName* option = FindOption(argument);
        if (option && option->Id == OptionId::Help)
            return RunMode::Help;
        if (option && option->Id == OptionId::Version)
            return RunMode::Version;
    }
    return std::nullopt;
}

void noteFirst(std::string_view& first, std::string_view option)
{
    if (first.empty())
        first = option;
}

class Parser {
public:
    explicit Parser(bool inputIsTerminal)
        : inputIsTerminal_(inputIsTerminal)
    { }

    ParsedCommandLine parse(std::span<char* const> arguments);

private:
    // Handles one option; false after a usage error.
    bool takeOption(std::string_view name, std::optional<std::string_view> inlineValue,
                    std::span<char* const>::iterator& next, std::span<char* const>::iterator end);
    bool takeValue(const OptionName& option, std::string_view value);
    bool takeFlag(const OptionName& option);
    bool setMode(std::string_view option, RunMode mode);
    void checkCombination();
    bool fail(std::string message);

    bool inputIsTerminal_;
    ParsedCommandLine result_;
    std::string_view modeOption_;   // the option that chose the mode, if any
    std::string_view formatOption_; // the first --format or --precision given
    std::string_view markOption_;   // the first mark option given
};

bool Parser::fail(std::string message)
{
    result_.UsageError = std::move(message);
    return false;
}

bool Parser::setMode(std::string_view option, RunMode mode)
{
    if (!modeOption_.empty() && modeOption_ != option)
        return fail(std::string(modeOption_) + " and " + std::string(option) + " cannot be combined");
    modeOption_ = option;
    result_.Command.Mode = mode;
    return true;
}

bool Parser::takeValue(const OptionName& option, std::string_view value)
{
    CommandLine& command = result_.Command;
    switch (option.Argument) {
    case OptionArgument::FormName:
        if (const std::optional<ResultForm> form = formNamed(value))
            command.ViewType = *form;
        else
            return fail("unknown format " + QuotedForMessage(value) + "; use " + formNameList());
        noteFirst(formatOption_, option.Long);
        break;
    case OptionArgument::Precision: {
        const std::optional<std::int32_t> precision = ParseInt32(value);
        if (!precision)
            return fail(std::string(option.Long) + " needs a whole number, not " + QuotedForMessage(value));
        // Extended precision carries 18 significant decimal digits; more
        // would only show rounding noise.
        if (*precision < 0 || *precision > SignificantDigitLimit)
            return fail(std::string(option.Long) + " must be from 0 to " + std::to_string(SignificantDigitLimit)
                        + ", not " + QuotedForMessage(value));
        command.Precision = *precision;
        noteFirst(formatOption_, option.Long);
        break;
    }
    case OptionArgument::CategoryName:
        command.Category = value;
        break;
    case OptionArgument::Mark:
        if (!isUsableMark(value))
            return fail(std::string(option.Long) + " needs a single printable character, not "
                        + QuotedForMessage(value));
        (option.Id == OptionId::DecimalMark ? command.Marks.DecimalMark : command.Marks.ThousandsMark) = value;
        noteFirst(markOption_, option.Long);
        break;
    case OptionArgument::None:
    case OptionArgument::ListCategory:
        break;
    }
    return true;
}

bool Parser::takeFlag(const OptionName& option)
{
    switch (option.Id) {
    case OptionId::Explain:
        result_.Command.Explain = true;
        return true;
    case OptionId::Json:
        result_.Command.Json = true;
        return true;
    case OptionId::Batch:
        return setMode(option.Long, RunMode::Batch);
    case OptionId::List:
        return setMode(option.Long, RunMode::List);
    case OptionId::Help:
    case OptionId::Version:
        // Seen before the loop (requestedInformation); the others take values.
    case OptionId::Format:
    case OptionId::Precision:
    case OptionId::Category:
    case OptionId::DecimalMark:
    case OptionId::ThousandsMark:
        break;
    }
    return true;
}

bool Parser::takeOption(std::string_view name, std::optional<std::string_view> inlineValue,
                        std::span<char* const>::iterator& next, std::span<char* const>::iterator end)
{
    const OptionName* option = name.starts_with("--") ? FindOption(name) : nullptr;
    if (!option)
        return fail("unknown option " + QuotedForMessage(name));
    if (!TakesValue(option->Argument)) {
        if (inlineValue)
            return fail(std::string(name) + " takes no value");
        return takeFlag(*option);
    }
    if (inlineValue)
        return takeValue(*option, *inlineValue);
    if (next == end)
        return fail(std::string(name) + " needs a value");
    return takeValue(*option, *next++);
}

// A query option given, if any: they shape one answer, which --batch (each
// line names its own category and units) and --list do not give.
std::string_view QueryOptionGiven(const CommandLine& command)
{
    if (!command.Category.empty())
        return "--category";
    return command.Explain ? "--explain" : "";
}

void Parser::checkCombination()
{
    const CommandLine& command = result_.Command;
    const std::size_t operands = command.Operands.size();
    const std::string_view queryOption = QueryOptionGiven(command);
    switch (command.Mode) {
    case RunMode::Batch:
        if (!formatOption_.empty())
            fail(std::string(formatOption_)
                 + " does not apply to --batch: each line gives its own ViewType and Precision");
        else if (!queryOption.empty())
            fail(std::string(queryOption) + " does not apply to --batch: each line names its own category and units");
        else if (operands > 0)
            fail("--batch reads its requests from standard input and takes no arguments");
        break;
    case RunMode::List:
        if (!formatOption_.empty() || !markOption_.empty())
            fail(std::string(formatOption_.empty() ? markOption_ : formatOption_) + " does not apply to --list");
        else if (!command.Category.empty())
            fail("--category does not apply to --list; give the category as --list CATEGORY");
        else if (!queryOption.empty() || command.Json)
            fail(std::string(command.Json ? "--json" : queryOption) + " does not apply to --list");
        else if (operands > 1)
            fail("--list takes at most one CATEGORY");
        break;
    case RunMode::Convert:
        if (operands == 0 && inputIsTerminal_)
            result_.Command.Mode = RunMode::Interactive;
        else if (operands == 0)
            fail("expected a query such as \"60 mph to km/h\", or CATEGORY FROM TO VALUE; got 0 arguments");
        break;
    case RunMode::Interactive:
    case RunMode::Help:
    case RunMode::Version:
        break;
    }
}

ParsedCommandLine Parser::parse(std::span<char* const> arguments)
{
    if (const std::optional<RunMode> information = requestedInformation(arguments)) {
        result_.Command.Mode = *information;
        return std::move(result_);
    }
    bool optionsEnded = false;
    for (auto next = arguments.begin(); next != arguments.end();) {
        const std::string_view argument = *next++;
        // Short options take no value, and only -v gets this far: -h and -V
        // were seen before the loop.
        if (const OptionName* option = FindOption(argument); !optionsEnded && option && option->Short == argument) {
            if (!takeFlag(*option))
                return std::move(result_);
            continue;
        }
        if (optionsEnded || !argument.starts_with("--")) {
            result_.Command.Operands.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::optional<std::string_view> inlineValue
            = equals == std::string_view::npos ? std::nullopt : std::optional(argument.substr(equals + 1));
        if (!takeOption(argument.substr(0, equals), inlineValue, next, arguments.end()))
            return std::move(result_);
    }
    checkCombination();
    return std::move(result_);
}

} // namespace

ParsedCommandLine ParseCommandLine(std::span<char* const> arguments, bool inputIsTerminal)
{
    return Parser(inputIsTerminal).parse(arguments);
}

} // namespace velmar
