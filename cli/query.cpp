#include "cli/query.h"

#include <algorithm>
#include <array>
#include <optional>

#include "cli/quoted_text.h"

namespace velmar {
namespace {

using Words = std::vector<std::string_view>;

Words wordsOf(std::span<const std::string_view> arguments)
{
    Words words;
    for (const std::string_view argument : arguments) {
        std::size_t start = 0;
        while ((start = argument.find_first_not_of(" \t", start)) != std::string_view::npos) {
            const std::size_t end = std::min(argument.find_first_of(" \t", start), argument.size());
            words.push_back(argument.substr(start, end - start));
            start = end;
        }
    }
    return words;
}

std::string joined(std::span<const std::string_view> words)
{
    std::string text;
    for (const std::string_view word : words) {
        if (!text.empty())
            text += ' ';
        text += word;
    }
    return text;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "in" is both a connector and the inch: it connects only after a unit and
// before a target, and the last such "in" does ("10 in in cm").
std::optional<std::size_t> connectorOf(const Words& words)
{
    for (std::size_t i = 1; i + 1 < words.size(); ++i) {
        if (IsConnector(words[i]) && words[i] != "in")
            return i;
    }
    for (std::size_t i = words.size() - 1; i >= 2; --i) {
        if (words[i] == "in" && i + 1 < words.size() && !StartsNumber(words[i - 1]))
            return i;
    }
    return std::nullopt;
}

ParsedQuery failure(std::string message)
{
    return {{}, std::move(message)};
}

struct NumberPrefix {
    std::string_view Prefix;
    std::string_view Unit;
};

// Programmers' prefixes say the base themselves.
constexpr std::array<NumberPrefix, 3> NumberPrefixes{{
    {"0x", "hexadecimal"},
    {"0o", "octal"},
    {"0b", "binary"},
}};

void applyNumberPrefix(QueryPart& part)
{
    for (const NumberPrefix& prefix : NumberPrefixes) {
        const bool prefixed
            = part.Value.size() > 2 && part.Value[0] == '0' && (part.Value[1] | 0x20) == prefix.Prefix[1];
        if (part.Unit.empty() && prefixed) {
            part.Value.erase(0, 2);
            part.Unit = prefix.Unit;
        }
    }
}

// VALUE UNIT [VALUE UNIT ...]; a lone VALUE has no unit.
std::optional<std::vector<QueryPart>> partsOf(std::span<const std::string_view> words)
{
    std::vector<QueryPart> parts;
    std::size_t next = 0;
    while (next < words.size()) {
        const std::size_t unitStart = next + 1;
        std::size_t unitEnd = unitStart;
        while (unitEnd < words.size() && !StartsNumber(words[unitEnd]))
            ++unitEnd;
        parts.push_back({std::string(words[next]), joined(words.subspan(unitStart, unitEnd - unitStart))});
        next = unitEnd;
    }
    if (parts.size() > 1) {
        for (const QueryPart& part : parts) {
            if (part.Unit.empty())
                return std::nullopt;
        }
    }
    if (parts.size() == 1)
        applyNumberPrefix(parts.front());
    return parts;
}

} // namespace

bool StartsNumber(std::string_view word)
{
    std::size_t first = word.starts_with('-') || word.starts_with('+') ? 1 : 0;
    if (first < word.size() && word[first] == '.')
        ++first;
    return first < word.size() && isDigit(word[first]);
}

bool IsConnector(std::string_view word)
{
    return std::ranges::find(Connectors, word) != Connectors.end();
}

ParsedQuery ParseQuery(std::span<const std::string_view> arguments)
{
    const Words words = wordsOf(arguments);
    if (words.empty())
        return failure("expected VALUE FROM TO, got an empty query");

    if (const std::optional<std::size_t> connector = connectorOf(words)) {
        const std::span<const std::string_view> all(words);
        std::optional<std::vector<QueryPart>> parts = partsOf(all.first(*connector));
        if (!parts)
            return failure("each value of " + QuotedForMessage(joined(all.first(*connector)))
                           + " needs its unit, as in \"5 ft 10 in to cm\"");
        return {{std::move(*parts), joined(all.subspan(*connector + 1))}, {}};
    }

    // Without a connector the words, or else three arguments that hold
    // several words each, are VALUE FROM TO.
    const bool quotedUnits = words.size() > 3 && arguments.size() == 3;
    const Words fields = quotedUnits ? Words(arguments.begin(), arguments.end()) : words;
    if (fields.size() == 2) {
        QueryPart part{std::string(fields[0]), {}};
        applyNumberPrefix(part);
        return {{{std::move(part)}, std::string(fields[1])}, {}};
    }
    if (fields.size() == 3)
        return {{{{std::string(fields[0]), std::string(fields[1])}}, std::string(fields[2])}, {}};
    return failure("cannot tell the units apart in " + QuotedForMessage(joined(words))
                   + "; put \"to\" before the target, as in \"60 mph to km/h\"");
}

} // namespace velmar
