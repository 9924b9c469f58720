#include "text/utf8.h"

namespace velmar {
namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t offset)
{
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[offset + i]); };
    const std::size_t available = text.size() - offset;
    const unsigned char lead = byteAt(0);
    if (lead < 0x80)
        return 1;

    std::size_t length = 0;
    // The range of the second byte excludes overlong forms, surrogates and
    // code points beyond U+10FFFF.
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondLow = 0xA0;
        else if (lead == 0xED)
            secondHigh = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondLow = 0x90;
        else if (lead == 0xF4)
            secondHigh = 0x8F;
    } else {
        return 0;
    }

    if (available < length || byteAt(1) < secondLow || byteAt(1) > secondHigh)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(byteAt(i)))
            return 0;
    }
    return length;
}

bool IsSingleUtf8Character(std::string_view text)
{
    return !text.empty() && Utf8SequenceLength(text, 0) == text.size();
}

bool IsWellFormedUtf8(std::string_view text)
{
    for (std::size_t offset = 0; offset < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, offset);
        if (length == 0)
            return false;
        offset += length;
    }
    return true;
}

} // namespace velmar
