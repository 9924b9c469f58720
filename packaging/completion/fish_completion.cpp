#include <string_view>

#include "cli/option_names.h"
#include "packaging/completion/completion_scripts.h"

namespace velmar {
namespace {

std::string lines(const std::vector<std::string>& words, const std::string& indent)
{
    return indent + "printf '%s\\n' " + QuotedList(words, FishQuoted, indent + "    ", " \\") + "\n";
}

std::string joined(const std::vector<std::string>& words, std::string (*quote)(const std::string&))
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + quote(word);
    return text;
}

std::string asIs(const std::string& word)
{
    return word;
}

// What the last registration offers for operands: commandline -opc gives the
// words before the cursor without their quotes, which the walk sorts into
// options, their values and operands.
constexpr std::string_view Functions = R"fish(
function __velmar_convert_operands
    set -l tokens (commandline -opc)
    set -e tokens[1]
    set -l operands
    set -l list
    set -l category
    set -l ended
    while set -q tokens[1]
        set -l word $tokens[1]
        set -e tokens[1]
        if test -z "$ended"; and string match -q -- '-*' $word
            if test "$word" = --
                set ended 1
                continue
            else if string match -q -- '--*=*' $word
                set -l name (string split -m 1 = -- $word)
                contains -- $name[1] $__velmar_convert_category_options; and set category $name[2]
                continue
            else if contains -- $word $__velmar_convert_list_options
                set list 1
                continue
            else if contains -- $word $__velmar_convert_value_options
                contains -- $word $__velmar_convert_category_options; and set category $tokens[1]
                set -e tokens[1]
                continue
            else if contains -- $word $__velmar_convert_options
                continue
            end
        end
        set -a operands $word
    end

    if test -n "$list"; or not set -q operands[1]
        # A query starts with its value.
        set -q operands[1]; or __velmar_convert_categories
        return
    end
    set -l index (__velmar_convert_category_index $operands[1])
    if test -n "$index"
        test (count $operands) -le 2; and __velmar_convert_units $index
        return
    end
    __velmar_convert_units (__velmar_convert_category_index $category; or echo all)
    # A target may follow a source unit, after a connector or without one.
    string match -qr -- '^[-+]?\.?[0-9]' $operands[-1]; and return
    for word in $operands
        contains -- $word $__velmar_convert_connectors; and return
    end
    printf '%s\n' $__velmar_convert_offered_connectors
end

# The catalogue index of a category's display name, exact or ignoring case as
# the program reads it; nothing for none.
function __velmar_convert_category_index
    set -l wanted (string lower -- "$argv[1]")
    set -l index 0
    for name in (__velmar_convert_categories)
        if test (string lower -- $name) = "$wanted"
            echo $index
            return 0
        end
        set index (math $index + 1)
    end
    return 1
end
)fish";

} // namespace

std::string FishCompletionScript(const CompletionWords& words)
{
    std::string script = GeneratedFileNotice("fish");

    std::vector<std::string> names, valueOptions, categoryOptions, listOptions;
    std::string registrations = "complete -c velmar-convert -f\n";
    for (const OptionName& option : OptionNames) {
        names.emplace_back(option.Long);
        std::string line = "complete -c velmar-convert -l " + std::string(option.Long.substr(2));
        if (!option.Short.empty()) {
            names.emplace_back(option.Short);
            line += " -s " + std::string(option.Short.substr(1));
        }
        if (TakesValue(option.Argument)) {
            valueOptions.emplace_back(option.Long);
            line += " -x";
        }
        switch (option.Argument) {
        case OptionArgument::FormName:
            line += " -a " + FishQuoted(joined(words.Forms, asIs));
            break;
        case OptionArgument::Precision:
            line += " -a " + FishQuoted(joined(words.Precisions, asIs));
            break;
        case OptionArgument::CategoryName:
            categoryOptions.emplace_back(option.Long);
            line += " -a '(__velmar_convert_categories)'";
            break;
        case OptionArgument::ListCategory:
            listOptions.emplace_back(option.Long);
            break;
        case OptionArgument::Mark:
        case OptionArgument::None:
            break;
        }
        registrations += line + " -d " + FishQuoted(std::string(option.Summary)) + "\n";
    }
    registrations += "complete -c velmar-convert -a '(__velmar_convert_operands)'\n";

    script += "set -g __velmar_convert_options " + joined(names, FishQuoted) + "\n";
    script += "set -g __velmar_convert_value_options " + joined(valueOptions, FishQuoted) + "\n";
    script += "set -g __velmar_convert_category_options " + joined(categoryOptions, FishQuoted) + "\n";
    script += "set -g __velmar_convert_list_options " + joined(listOptions, FishQuoted) + "\n";
    script += "set -g __velmar_convert_connectors " + joined(words.Connectors, FishQuoted) + "\n";
    script += "set -g __velmar_convert_offered_connectors " + joined(words.OfferedConnectors, FishQuoted) + "\n\n";

    script += "function __velmar_convert_categories\n" + lines(words.Categories, "    ") + "end\n\n";
    script += "# Each category's display names, then the names users type; then all of them.\n"
              "function __velmar_convert_units\n"
              "    switch $argv[1]\n";
    for (std::size_t category = 0; category < words.Units.size(); ++category)
        script += "        case " + std::to_string(category) + "\n" + lines(words.Units[category], "            ");
    script += "        case all\n" + lines(words.AllUnits, "            ") + "    end\nend\n";
    script += Functions;
    return script + "\n" + registrations;
}

} // namespace velmar
