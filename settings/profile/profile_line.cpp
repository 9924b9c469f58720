#include "settings/profile/profile_line.h"

#include <stdexcept>

#include "settings/profile/profile_text.h"

namespace velmar {

namespace {

bool startsComment(char c)
{
    return c == ';';
}

bool holdsLineBreak(std::string_view name)
{
    return name.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

std::optional<std::string_view> sectionHeaderName(std::string_view line)
{
    const std::string_view content = trimProfileBlanks(line);
    if (!content.starts_with('['))
        return std::nullopt;
    const auto close = content.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimProfileBlanks(content.substr(1, close - 1));
}

std::optional<std::string_view> keyLineName(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = trimProfileBlanks(line.substr(0, equals));
    if (name.empty() || name.front() == '[' || startsComment(name.front()))
        return std::nullopt;
    return name;
}

std::string_view keyLineStoredValue(std::string_view line)
{
    return line.substr(line.find('=') + 1);
}

std::string sectionHeaderLine(std::string_view name)
{
    return '[' + std::string(name) + ']';
}

std::string keyLine(std::string_view name, std::string_view storedValue)
{
    return std::string(name) + '=' + std::string(storedValue);
}

std::string_view checkedSectionName(std::string_view name)
{
    const std::string_view trimmed = trimProfileBlanks(name);
    if (trimmed.empty() || holdsLineBreak(trimmed) || trimmed.find(']') != std::string_view::npos)
        throw std::invalid_argument("invalid settings section name \"" + std::string(name) + '"');
    return trimmed;
}

std::string_view checkedKeyName(std::string_view name)
{
    const std::string_view trimmed = trimProfileBlanks(name);
    if (holdsLineBreak(trimmed) || keyLineName(keyLine(trimmed, "")) != trimmed)
        throw std::invalid_argument("invalid settings key name \"" + std::string(name) + '"');
    return trimmed;
}

} // namespace velmar
