#include "cli/case_folding.h"

namespace velmar {
namespace {

constexpr unsigned char Latin1Lead = 0xC3;         // lead byte of U+00C0 to U+00FF
constexpr unsigned char CapitalAGrave = 0x80;      // U+00C0 after the lead byte
constexpr unsigned char CapitalThorn = 0x9E;       // U+00DE
constexpr unsigned char MultiplicationSign = 0x97; // U+00D7, not a letter
constexpr unsigned char LatinCaseOffset = 0x20;    // U+00C0 + 0x20 = U+00E0

bool isFoldableLatin1Capital(unsigned char second)
{
    return second >= CapitalAGrave && second <= CapitalThorn && second != MultiplicationSign;
}

bool isLatin1SmallOfFoldable(unsigned char second)
{
    return second >= CapitalAGrave + LatinCaseOffset
        && isFoldableLatin1Capital(static_cast<unsigned char>(second - LatinCaseOffset));
}

} // namespace

std::string FoldCase(std::string_view text)
{
    std::string folded(text);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto byte = static_cast<unsigned char>(folded[i]);
        if (byte >= 'A' && byte <= 'Z') {
            folded[i] = static_cast<char>(byte - 'A' + 'a');
        } else if (byte == Latin1Lead && i + 1 < folded.size()
                   && isFoldableLatin1Capital(static_cast<unsigned char>(folded[i + 1]))) {
            folded[i + 1] = static_cast<char>(folded[i + 1] + LatinCaseOffset);
            ++i;
        }
    }
    return folded;
}

std::string UpperCaseAsTyped(std::string_view text)
{
    std::string upper(text);
    for (std::size_t i = 0; i < upper.size(); ++i) {
        const auto byte = static_cast<unsigned char>(upper[i]);
        if (byte >= 'a' && byte <= 'z') {
            upper[i] = static_cast<char>(byte - 'a' + 'A');
        } else if (byte == Latin1Lead && i + 1 < upper.size()
                   && isLatin1SmallOfFoldable(static_cast<unsigned char>(upper[i + 1]))) {
            upper[i + 1] = static_cast<char>(upper[i + 1] - LatinCaseOffset);
            ++i;
        }
    }
    return upper;
}

} // namespace velmar
