#include "cli/quoted_text.h"

#include <cstdio>

#include "text/utf8.h"

namespace velmar {
namespace {

constexpr std::size_t MaxQuotedCharacters = 60;

void appendEscapedByte(std::string& out, unsigned char byte)
{
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02X", byte);
    out += escape;
}

// U+0080 to U+009F, control characters that terminals act on (U+0085 starts
// a new line).
bool isC1Control(std::string_view sequence)
{
    return sequence.size() == 2 && static_cast<unsigned char>(sequence[0]) == 0xC2
        && static_cast<unsigned char>(sequence[1]) < 0xA0;
}

} // namespace

std::string QuotedForMessage(std::string_view text)
{
    std::string quoted = "\"";
    std::size_t offset = 0;
    for (std::size_t characters = 0; offset < text.size() && characters < MaxQuotedCharacters; ++characters) {
        const auto byte = static_cast<unsigned char>(text[offset]);
        const std::size_t length = Utf8SequenceLength(text, offset);
        if (byte == '"' || byte == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(byte);
        } else if (length == 0 || byte < 0x20 || byte == 0x7F) {
            appendEscapedByte(quoted, byte);
        } else if (isC1Control(text.substr(offset, length))) {
            for (const char part : text.substr(offset, length))
                appendEscapedByte(quoted, static_cast<unsigned char>(part));
        } else {
            quoted.append(text, offset, length);
        }
        offset += length == 0 ? 1 : length;
    }
    if (offset < text.size())
        quoted += "...";
    quoted += '"';
    return quoted;
}

std::string ListedInWords(std::span<const std::string> items, std::string_view lastJoin)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? lastJoin : ", ";
        text += items[i];
    }
    return text;
}

} // namespace velmar
