#include <string_view>

#include "cli/option_names.h"
#include "packaging/completion/completion_scripts.h"

namespace velmar {
namespace {

std::string array(std::string_view name, const std::vector<std::string>& words)
{
    const std::string start = "local -a " + std::string(name) + "=(";
    return start + QuotedList(words, PosixQuoted, std::string(start.size(), ' ')) + ")\n";
}

// Inside the brackets of an _arguments spec, these would end a field.
std::string specText(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        if (c == '[' || c == ']' || c == ':' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

// The _arguments specs of one option, one for each of its names, quoted.
std::string specsOf(const OptionName& option, const CompletionWords& words)
{
    std::string exclusions;
    if (option.Id == OptionId::Help || option.Id == OptionId::Version)
        exclusions = "(- *)"; // they end the command
    else if (!option.Short.empty())
        exclusions = "(" + std::string(option.Long) + " " + std::string(option.Short) + ")";
    std::string rest = TakesValue(option.Argument) ? "=" : "";
    rest += "[" + specText(option.Summary) + "]";
    switch (option.Argument) {
    case OptionArgument::FormName:
        rest += ":form:(" + joined(words.Forms) + ")";
        break;
    case OptionArgument::Precision:
        rest += ":digits:(" + joined(words.Precisions) + ")";
        break;
    case OptionArgument::CategoryName:
        rest += ":category:->categories";
        break;
    case OptionArgument::Mark:
        rest += ":character: ";
        break;
    case OptionArgument::None:
    case OptionArgument::ListCategory:
        break;
    }
    std::string specs = "\n    " + PosixQuoted(exclusions + std::string(option.Long) + rest);
    if (!option.Short.empty())
        specs += "\n    " + PosixQuoted(exclusions + std::string(option.Short) + rest);
    return specs;
}

// The operands are read from `words` rather than from _arguments' `line`,
// so that the category named by --category and the --list flag are known.
constexpr std::string_view Functions = R"zsh(
local curcontext=$curcontext state state_descr line expl ret=1
typeset -A opt_args

_arguments -S -C $option_specs '*: :->operands' && ret=0

case $state in
categories)
    _wanted categories expl category compadd -a categories && ret=0
    ;;
operands)
    local -a operands
    local word kind list= category= ended= index=0 i unit_list=units
    for ((i = 2; i < CURRENT; i++)); do
        word=${words[i]}
        if [[ -z $ended && $word == -* ]]; then
            kind=${value_kinds[${word%%=*}]-}
            if [[ $word == -- ]]; then
                ended=1
                continue
            elif [[ $word == --*=* ]]; then
                [[ $kind == category ]] && category=${(Q)word#*=}
                continue
            elif [[ $kind == list ]]; then
                list=1
                continue
            elif [[ -n $kind ]]; then
                i=$((i + 1))
                [[ $kind == category ]] && category=${(Q)words[i]}
                continue
            elif ((${option_names[(Ie)$word]})); then
                continue
            fi
        fi
        operands+=("${(Q)word}")
    done

    # The category of a display name, exact or ignoring case as the program
    # reads it: CATEGORY FROM TO VALUE, or the value of --category.
    for ((i = 1; i <= $#categories; i++)); do
        if ((${#operands} > 0)) && [[ ${(L)categories[i]} == ${(L)operands[1]} ]]; then
            index=$i
        elif [[ ${(L)categories[i]} == ${(L)category} ]]; then
            unit_list=units_$((i - 1))
        fi
    done

    if [[ -n $list || ${#operands} -eq 0 ]]; then
        # A query starts with its value.
        ((${#operands} == 0)) && _wanted categories expl category compadd -a categories && ret=0
    elif ((index > 0)); then
        ((${#operands} <= 2)) &&
            _wanted units expl "unit of $categories[index]" compadd -a units_$((index - 1)) && ret=0
    else
        _wanted units expl unit compadd -a $unit_list && ret=0
        # A target may follow a source unit, after a connector or without one.
        local connected=
        for word in $operands; do
            ((${connectors[(Ie)$word]})) && connected=1
        done
        if [[ -z $connected && ${operands[-1]} != ([-+]|)(.|)[0-9]* ]]; then
            _wanted connectors expl connector compadd -a offered_connectors && ret=0
        fi
    fi
    ;;
esac

return ret
)zsh";

} // namespace

std::string ZshCompletionScript(const CompletionWords& words)
{
    std::string script = "#compdef velmar-convert\n" + GeneratedFileNotice("zsh");

    std::vector<std::string> names;
    std::string kinds = "local -A value_kinds=(";
    std::string specs = "local -a option_specs=(";
    for (const OptionName& option : OptionNames) {
        names.emplace_back(option.Long);
        if (!option.Short.empty())
            names.emplace_back(option.Short);
        if (option.Argument == OptionArgument::ListCategory)
            kinds += "\n    " + std::string(option.Long) + " list";
        else if (TakesValue(option.Argument))
            kinds += "\n    " + std::string(option.Long) + " "
                + (option.Argument == OptionArgument::CategoryName ? "category" : "value");
        specs += specsOf(option, words);
    }
    script += array("option_names", names);
    script += kinds + "\n)\n";
    script += specs + "\n)\n";
    script += array("connectors", words.Connectors);
    script += array("offered_connectors", words.OfferedConnectors);
    script += array("categories", words.Categories);
    script += "# Each category's display names, then the names users type; then all of them.\n";
    for (std::size_t category = 0; category < words.Units.size(); ++category)
        script += array("units_" + std::to_string(category), words.Units[category]);
    script += array("units", words.AllUnits);
    script += Functions;
    return script;
}

} // namespace velmar
