#include <string_view>

#include "cli/option_names.h"
#include "packaging/completion/completion_scripts.h"

namespace velmar {
namespace {

std::string_view valueKindOf(OptionArgument argument)
{
    switch (argument) {
    case OptionArgument::FormName:
        return "form";
    case OptionArgument::Precision:
        return "precision";
    case OptionArgument::CategoryName:
        return "category";
    case OptionArgument::Mark:
        return "mark";
    case OptionArgument::ListCategory:
        return "list";
    case OptionArgument::None:
        break;
    }
    return "";
}

std::string array(std::string_view name, const std::vector<std::string>& words)
{
    const std::string start = std::string(name) + "=(";
    return start + QuotedList(words, PosixQuoted, std::string(start.size(), ' ')) + ")\n";
}

// The function reads the words as bash split them (COMP_WORDS): no helper of
// the bash-completion package is needed, so the file also works when sourced
// by hand. "--format=f" arrives as "--format" "=" "f" while "=" is in
// COMP_WORDBREAKS, and as one word otherwise; both are understood.
constexpr std::string_view Functions = R"bash(
# Sets text to the word as the program will receive it, quote to the quote
# still open at its end ('' when none) and lead to the text before that quote:
# readline replaces only what follows an open quote.
_velmar_convert_dequote() {
    local word=$1 c i
    text= quote= lead=
    for ((i = 0; i < ${#word}; i++)); do
        c=${word:i:1}
        if [[ $quote == "'" ]]; then
            if [[ $c == "'" ]]; then quote=; else text+=$c; fi
        elif [[ $quote == '"' ]]; then
            if [[ $c == '"' ]]; then
                quote=
            elif [[ $c == '\' && ${word:i+1:1} == [\"\\\$\`] ]]; then
                text+=${word:i+1:1}
                i=$((i + 1))
            else
                text+=$c
            fi
        elif [[ $c == [\'\"] ]]; then
            quote=$c lead=$text
        elif [[ $c == '\' ]]; then
            text+=${word:i+1:1}
            i=$((i + 1))
        else
            text+=$c
        fi
    done
}

# Adds the words of the array named $1 that start with the current word,
# quoted to fit what was typed: escaped, or inside the open quote (readline
# closes it).
_velmar_convert_offer() {
    local list="$1[@]" name rest
    for name in "${!list}"; do
        [[ $name == "$text"* ]] || continue
        rest=${name:${#lead}}
        case $quote in
        "'") COMPREPLY+=("${rest//\'/\'\\\'\'}") ;;
        '"')
            rest=${rest//\\/\\\\}
            rest=${rest//\"/\\\"}
            rest=${rest//\$/\\\$}
            COMPREPLY+=("${rest//\`/\\\`}")
            ;;
        *)
            printf -v rest %q "$name"
            COMPREPLY+=("$prefix$rest")
            ;;
        esac
    done
}

# The catalogue index of a category's display name, exact or ignoring case
# as the program reads it; -1 for none.
_velmar_convert_category_index() {
    local i
    for i in "${!_velmar_convert_categories[@]}"; do
        if [[ ${_velmar_convert_categories[i],,} == "${1,,}" ]]; then
            echo "$i"
            return
        fi
    done
    echo -1
}

# Offers the values of an option of kind $1 (see _velmar_convert_kinds).
_velmar_convert_value() {
    case $1 in
    form) _velmar_convert_offer _velmar_convert_forms ;;
    precision) _velmar_convert_offer _velmar_convert_precisions ;;
    category) _velmar_convert_offer _velmar_convert_categories ;;
    esac
    # A mark is any one character: nothing to offer.
}

_velmar_convert() {
    local cur=${COMP_WORDS[COMP_CWORD]} text quote lead prefix= word kind i
    local ended= list= category= operands=()
    COMPREPLY=()

    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ -z $ended && $word == -* ]]; then
            kind=${_velmar_convert_kinds[${word%%=*}]-}
            if [[ $word == -- ]]; then
                ended=1
                continue
            elif [[ $word == --*=* ]]; then
                if [[ $kind == category ]]; then
                    _velmar_convert_dequote "${word#*=}"
                    category=$text
                fi
                continue
            elif [[ $kind == list ]]; then
                list=1
                continue
            elif [[ -n $kind ]]; then
                # Its value: the next word, or the one after a lone "=".
                if [[ ${COMP_WORDS[i + 1]-} == = ]]; then
                    ((i + 1 == COMP_CWORD)) && cur=
                    ((i + 1 < COMP_CWORD)) && i=$((i + 1))
                fi
                if ((i + 1 >= COMP_CWORD)); then
                    _velmar_convert_dequote "$cur"
                    _velmar_convert_value "$kind"
                    return
                fi
                i=$((i + 1))
                if [[ $kind == category ]]; then
                    _velmar_convert_dequote "${COMP_WORDS[i]}"
                    category=$text
                fi
                continue
            elif [[ " ${_velmar_convert_options[*]} " == *" $word "* ]]; then
                continue
            fi
        fi
        # "->" is split at ">", one of COMP_WORDBREAKS.
        if [[ $word == '>' && ${operands[-1]-} == - ]]; then
            operands[-1]='->'
            continue
        fi
        _velmar_convert_dequote "$word"
        operands+=("$text")
    done

    if [[ -z $ended && $cur == -* ]]; then
        if [[ $cur == --*=* ]]; then
            kind=${_velmar_convert_kinds[${cur%%=*}]-}
            prefix=${cur%%=*}=
            _velmar_convert_dequote "${cur#*=}"
            _velmar_convert_value "$kind"
        else
            _velmar_convert_dequote "$cur"
            _velmar_convert_offer _velmar_convert_options
        fi
        return
    fi

    _velmar_convert_dequote "$cur"
    local count=${#operands[@]}
    if [[ $list ]]; then
        ((count == 0)) && _velmar_convert_offer _velmar_convert_categories
        return
    fi
    if ((count == 0)); then
        # CATEGORY FROM TO VALUE; a query starts with its value.
        _velmar_convert_offer _velmar_convert_categories
        return
    fi
    local index
    index=$(_velmar_convert_category_index "${operands[0]}")
    if ((index >= 0)); then
        ((count <= 2)) && _velmar_convert_offer "_velmar_convert_units_$index"
        return
    fi
    index=$(_velmar_convert_category_index "$category")
    if ((index >= 0)); then
        _velmar_convert_offer "_velmar_convert_units_$index"
    else
        _velmar_convert_offer _velmar_convert_units
    fi
    # A target may follow a source unit, after a connector or without one.
    local last=${operands[-1]}
    [[ $last =~ ^[-+]?\.?[0-9] ]] && return
    for word in "${operands[@]}"; do
        [[ " ${_velmar_convert_connectors[*]} " == *" $word "* ]] && return
    done
    _velmar_convert_offer _velmar_convert_offered_connectors
}

complete -F _velmar_convert velmar-convert
)bash";

} // namespace

std::string BashCompletionScript(const CompletionWords& words)
{
    std::string script = GeneratedFileNotice("bash");

    std::vector<std::string> options;
    std::string kinds = "declare -gA _velmar_convert_kinds=(";
    for (const OptionName& option : OptionNames) {
        options.emplace_back(option.Long);
        if (!option.Short.empty())
            options.emplace_back(option.Short);
        if (const std::string_view kind = valueKindOf(option.Argument); !kind.empty())
            kinds += "\n    [" + std::string(option.Long) + "]=" + std::string(kind);
    }
    script += array("_velmar_convert_options", options);
    script += kinds + "\n)\n";
    script += array("_velmar_convert_forms", words.Forms);
    script += array("_velmar_convert_precisions", words.Precisions);
    script += array("_velmar_convert_connectors", words.Connectors);
    script += array("_velmar_convert_offered_connectors", words.OfferedConnectors);
    script += array("_velmar_convert_categories", words.Categories);
    script += "# Each category's display names, then the names users type; then all of them.\n";
    for (std::size_t category = 0; category < words.Units.size(); ++category)
        script += array("_velmar_convert_units_" + std::to_string(category), words.Units[category]);
    script += array("_velmar_convert_units", words.AllUnits);
    script += Functions;
    return script;
}

} // namespace velmar
