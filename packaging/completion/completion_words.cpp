#include "packaging/completion/completion_words.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "cli/option_names.h"
#include "cli/query.h"
#include "cli/query_names.h"
#include "engine/decimal_digits.h"

namespace velmar {

CompletionWords GatherCompletionWords()
{
    CompletionWords words;
    std::set<std::string_view> seen;
    for (int category = 0; category < CategoryCount; ++category) {
        words.Categories.emplace_back(categoryInfo(category).DisplayName);
        std::vector<std::string>& units = words.Units.emplace_back();
        // The names suggestions offer: display names and curated aliases.
        // The derived spellings (plurals, "-metre", ASCII forms) would
        // triple the lists without adding a unit.
        for (const std::string_view name : SuggestedUnitNames(category)) {
            units.emplace_back(name);
            if (seen.insert(name).second)
                words.AllUnits.emplace_back(name);
        }
    }
    // "->" would need quoting in every shell, and is quicker typed than
    // completed.
    for (const std::string_view connector : Connectors) {
        words.Connectors.emplace_back(connector);
        if (std::ranges::all_of(connector, [](char c) { return c >= 'a' && c <= 'z'; }))
            words.OfferedConnectors.emplace_back(connector);
    }
    for (const FormatName& format : FormatNames)
        words.Forms.emplace_back(format.Name);
    for (int digits = 0; digits <= SignificantDigitLimit; ++digits)
        words.Precisions.push_back(std::to_string(digits));
    return words;
}

std::string PosixQuoted(const std::string& word)
{
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string FishQuoted(const std::string& word)
{
    std::string quoted = "'";
    for (const char c : word) {
        if (c == '\\' || c == '\'')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "'";
}

std::string GeneratedFileNotice(const std::string& shell)
{
    return "# " + shell
        + " completion for velmar-convert\n"
          "# Generated from the unit catalogue and the option table by\n"
          "# velmar_completion_generator; changes here are lost on the next build.\n\n";
}

std::string QuotedList(const std::vector<std::string>& words, std::string (*quote)(const std::string&),
                       const std::string& indent, const std::string& lineEnd, std::size_t width)
{
    std::string list;
    std::size_t lineLength = indent.size();
    for (const std::string& word : words) {
        const std::string quoted = quote(word);
        if (!list.empty() && lineLength + 1 + quoted.size() > width) {
            list += lineEnd + "\n" + indent;
            lineLength = indent.size();
        } else if (!list.empty()) {
            list += ' ';
            ++lineLength;
        }
        list += quoted;
        lineLength += quoted.size();
    }
    return list;
}

} // namespace velmar
