#include "tests/fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace velmar::fuzz {
namespace {

// The code point of the well-formed UTF-8 sequence at the start of `text` and
// its length; length 0 when there is none.
struct DecodedCharacter {
    char32_t CodePoint = 0;
    std::size_t Length = 0;
};

DecodedCharacter decodeUtf8(std::string_view text)
{
    struct SequenceForm {
        unsigned char LeadMask;
        unsigned char LeadBits;
        std::size_t Length;
        char32_t Smallest; // below it the sequence is overlong
    };
    static constexpr SequenceForm Forms[]
        = {{0x80, 0x00, 1, 0}, {0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

    const auto lead = static_cast<unsigned char>(text[0]);
    for (const SequenceForm& form : Forms) {
        if ((lead & form.LeadMask) != form.LeadBits)
            continue;
        if (text.size() < form.Length)
            return {};
        char32_t codePoint = lead & static_cast<unsigned char>(~form.LeadMask);
        for (std::size_t i = 1; i < form.Length; ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if ((byte & 0xC0) != 0x80)
                return {};
            codePoint = codePoint << 6 | (byte & 0x3F);
        }
        const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (codePoint < form.Smallest || codePoint > 0x10FFFF || surrogate)
            return {};
        return {codePoint, form.Length};
    }
    return {};
}

// C0 and C1 control characters, DEL included.
bool isControlCharacter(char32_t codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

// The text as one readable line: bytes outside printable ASCII as \xNN.
std::string escaped(std::string_view text)
{
    constexpr std::size_t Shown = 200;
    std::string shown;
    for (const char c : text.substr(0, Shown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            shown += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            shown += escape;
        }
    }
    if (text.size() > Shown)
        shown += "... (" + std::to_string(text.size()) + " bytes)";
    return shown;
}

} // namespace

FuzzInput::FuzzInput(const std::uint8_t* data, std::size_t size)
    : bytes_(data, size)
{ }

std::uint8_t FuzzInput::takeByte()
{
    if (bytes_.empty())
        return 0;
    const std::uint8_t byte = bytes_.front();
    bytes_ = bytes_.subspan(1);
    return byte;
}

std::int32_t FuzzInput::takeInt32()
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | takeByte();
    return static_cast<std::int32_t>(value);
}

std::string_view FuzzInput::rest() const
{
    return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()};
}

void fail(std::string_view what, std::string_view detail)
{
    std::fprintf(stderr, "FUZZ FAILURE: %.*s: \"%s\"\n", static_cast<int>(what.size()), what.data(),
                 escaped(detail).c_str());
    std::abort();
}

bool isOneLineOfPrintableText(std::string_view text)
{
    while (!text.empty()) {
        const DecodedCharacter character = decodeUtf8(text);
        if (character.Length == 0 || isControlCharacter(character.CodePoint))
            return false;
        text.remove_prefix(character.Length);
    }
    return true;
}

void requireOneLineOfPrintableText(std::string_view text, std::string_view what)
{
    if (!isOneLineOfPrintableText(text))
        fail(std::string(what) + " is not one line of printable text", text);
}

} // namespace velmar::fuzz
