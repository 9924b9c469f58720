#include "profile_text.h"

#include <algorithm>

namespace velmar {

namespace {

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isContinuationByte(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at the start of `text`, or 1 when
// there is none (a stray byte, a truncated, overlong or surrogate sequence).
std::size_t characterLength(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondMin = 0xA0; // overlong
        if (lead == 0xED)
            secondMax = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondMin = 0x90; // overlong
        if (lead == 0xF4)
            secondMax = 0x8F; // beyond U+10FFFF
    } else {
        return 1;
    }
    if (text.size() < length)
        return 1;
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < secondMin || second > secondMax)
        return 1;
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuationByte(static_cast<unsigned char>(text[i])))
            return 1;
    }
    return length;
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
        end += characterLength(text.substr(end));
    return text.substr(0, end);
}

} // namespace velmar
