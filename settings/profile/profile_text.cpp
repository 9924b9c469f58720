#include "settings/profile/profile_text.h"

#include <algorithm>

#include "text/utf8.h"

namespace velmar {

namespace {

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool isProfileBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimProfileBlanks(std::string_view text)
{
    while (!text.empty() && isProfileBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isProfileBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

std::string_view firstCharacters(std::string_view text, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t taken = 0; taken < count && end < text.size(); ++taken)
        end += std::max<std::size_t>(1, Utf8SequenceLength(text, end));
    return text.substr(0, end);
}

} // namespace velmar
