#include "settings/profile/profile_values.h"

#include <algorithm>
#include <limits>

#include "settings/profile/profile_text.h"

namespace velmar {

namespace {

std::optional<unsigned> digitValue(char c, unsigned base)
{
    unsigned digit = base;
    if (c >= '0' && c <= '9')
        digit = static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'z')
        digit = static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'Z')
        digit = static_cast<unsigned>(c - 'A' + 10);
    if (digit >= base)
        return std::nullopt;
    return digit;
}

// The magnitude of a non-empty run of digits, or nothing when a character is
// no digit or the magnitude exceeds `limit`.
std::optional<std::uint64_t> parseMagnitude(std::string_view digits, unsigned base, std::uint64_t limit)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t magnitude = 0;
    for (char c : digits) {
        const auto digit = digitValue(c, base);
        if (!digit)
            return std::nullopt;
        magnitude = magnitude * base + *digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return magnitude;
}

std::optional<std::int32_t> parseHexadecimal(std::string_view digits)
{
    const auto magnitude = parseMagnitude(digits, 16, std::numeric_limits<std::uint32_t>::max());
    if (!magnitude)
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*magnitude));
}

std::optional<std::int32_t> parseDecimal(std::string_view digits, bool negative)
{
    const std::uint64_t limit = std::uint64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    const auto magnitude = parseMagnitude(digits, 10, limit);
    if (!magnitude)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(*magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

bool isQuotationMark(char c)
{
    return c == '"' || c == '\'';
}

} // namespace

std::optional<std::int32_t> parseProfileInteger(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return parseHexadecimal(text.substr(2));
    while (!text.empty() && isProfileBlank(text.front()))
        text.remove_prefix(1);
    if (text.starts_with('$'))
        return parseHexadecimal(text.substr(1));
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    return parseDecimal(text, negative);
}

std::string formatProfileInteger(std::int32_t value)
{
    return std::to_string(value);
}

std::string_view decodeProfileValue(std::string_view stored)
{
    std::string_view value = trimProfileBlanks(stored);
    if (value.size() >= 2 && isQuotationMark(value.front()) && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

std::string encodeProfileValue(std::string_view value)
{
    std::string oneLine(value);
    std::ranges::replace_if(
        oneLine, [](char c) { return c == '\r' || c == '\n'; }, ' ');
    if (decodeProfileValue(oneLine) == oneLine)
        return oneLine;
    return '"' + oneLine + '"';
}

} // namespace velmar
