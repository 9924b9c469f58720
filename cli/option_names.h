#pragma once

#include <array>
#include <string_view>

#include "engine/number_format.h"

namespace velmar {

// The options of velmar-convert, read by the parser and by the generator of
// the shell completion files, so that both know the same names.

enum class OptionId {
    Format,
    Precision,
    Category,
    Explain,
    Json,
    DecimalMark,
    ThousandsMark,
    List,
    Batch,
    Help,
    Version
};

// What follows an option on the command line.
enum class OptionArgument {
    None,         // a flag
    ListCategory, // a flag; the operand after it may name a category (--list [CATEGORY])
    FormName,     // a name of FormatNames
    Precision,    // a whole number from 0 to SignificantDigitLimit
    CategoryName, // a category's display name
    Mark,         // one printable character
};

struct OptionName {
    OptionId Id;
    std::string_view Long;  // "--format"; the value may follow as "--format=VALUE" too
    std::string_view Short; // "-h", or empty; short options take no value
    OptionArgument Argument;
    std::string_view Summary; // one line for the shells' completion menus
};

// In the order --help lists them.
inline constexpr std::array<OptionName, 11> OptionNames{{
    {OptionId::Format, "--format", "", OptionArgument::FormName, "how results are written"},
    {OptionId::Precision, "--precision", "", OptionArgument::Precision, "significant digits or decimals of results"},
    {OptionId::Category, "--category", "", OptionArgument::CategoryName, "the category of the query's units"},
    {OptionId::Explain, "--explain", "-v", OptionArgument::None, "print the query as understood"},
    {OptionId::Json, "--json", "", OptionArgument::None, "print the answer as a JSON object"},
    {OptionId::DecimalMark, "--decimal-mark", "", OptionArgument::Mark, "the decimal mark written in results"},
    {OptionId::ThousandsMark, "--thousands-mark", "", OptionArgument::Mark, "the thousands mark written in results"},
    {OptionId::List, "--list", "", OptionArgument::ListCategory, "list the categories, or the units of one"},
    {OptionId::Batch, "--batch", "", OptionArgument::None, "convert the requests on standard input"},
    {OptionId::Help, "--help", "-h", OptionArgument::None, "show the help and exit"},
    {OptionId::Version, "--version", "-V", OptionArgument::None, "show the version and exit"},
}};

// Whether the option takes the next argument, or what follows its "=", as
// its value.
constexpr bool TakesValue(OptionArgument argument)
{
    return argument != OptionArgument::None && argument != OptionArgument::ListCategory;
}

// The option named `name` exactly, long or short; nullptr when none is.
constexpr const OptionName* FindOption(std::string_view name)
{
    for (const OptionName& option : OptionNames) {
        if (option.Long == name || (!option.Short.empty() && option.Short == name))
            return &option;
    }
    return nullptr;
}

struct FormatName {
    std::string_view Name;
    ResultForm Form;
};

// The values of --format.
inline constexpr std::array<FormatName, 4> FormatNames{{
    {"auto", ResultForm::AutoFormat},
    {"scientific", ResultForm::Scientific},
    {"fixed", ResultForm::Fixed},
    {"commas", ResultForm::Commas},
}};

} // namespace velmar
