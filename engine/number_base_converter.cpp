#include "engine/number_base_converter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "catalogue/special_units.h"

namespace velmar {
namespace {

constexpr std::string_view OutputDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::int32_t SmallestBase = 2;
constexpr std::int32_t LargestBase = 36;

constexpr std::string_view RomanLetters = "IVXLCDM";
constexpr std::array<std::int32_t, 7> RomanLetterValues = {1, 5, 10, 50, 100, 500, 1000};
// Numerals beyond 3999 repeat "M"; this bound keeps the longest one at about
// a thousand letters, where a 32-bit range would allow two million.
constexpr std::int32_t LargestRomanOutput = 999999;

struct RomanPart {
    std::string_view Letters;
    std::int32_t Value;
};
constexpr std::array<RomanPart, 13> RomanParts{{
    {"M", 1000},
    {"CM", 900},
    {"D", 500},
    {"CD", 400},
    {"C", 100},
    {"XC", 90},
    {"L", 50},
    {"XL", 40},
    {"X", 10},
    {"IX", 9},
    {"V", 5},
    {"IV", 4},
    {"I", 1},
}};

// A unit of the Numbers category: the base of its digits, or none for Roman
// numerals, and what its numbers are called ("binary number") when a
// character lies outside its set.
struct NumberUnit {
    std::optional<std::int32_t> Base;
    std::string NumberName;
};

std::optional<NumberUnit> numberUnitOf(Extended id)
{
    if (id == UnitId(NumbersUnit::Binary))
        return NumberUnit{2, "binary number"};
    if (id == UnitId(NumbersUnit::Octal))
        return NumberUnit{8, "octal number"};
    if (id == UnitId(NumbersUnit::Decimal))
        return NumberUnit{10, "decimal number"};
    if (id == UnitId(NumbersUnit::Hexadecimal))
        return NumberUnit{16, "hexadecimal number"};
    if (id == UnitId(NumbersUnit::RomanNumeral))
        return NumberUnit{std::nullopt, "Roman numeral"};
    if (id >= BaseNUnitId(SmallestListedBase) && id <= BaseNUnitId(LargestListedBase) && id == trunc(id)) {
        const auto base = static_cast<std::int32_t>(id - BaseNUnitId(SmallestListedBase)) + SmallestListedBase;
        return NumberUnit{base, "base-" + std::to_string(base) + " number"};
    }
    return std::nullopt;
}

// 0 to 35 for "0" to "9", "A" to "Z" and "a" to "z"; -1 for anything else.
int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    return -1;
}

bool isDigitOf(char c, std::int32_t base)
{
    const int value = digitValue(c);
    return value >= 0 && value < base;
}

bool isRomanLetter(char c)
{
    return RomanLetters.find(c) != std::string_view::npos;
}

// The longest text the bases with a 32-bit range limit accept; leading zeros count.
std::optional<std::size_t> lengthLimitOf(std::int32_t base)
{
    switch (base) {
    case 2:
        return 32;
    case 8:
        return 11;
    case 10:
        return 10;
    case 16:
        return 8;
    default:
        return std::nullopt;
    }
}

// The value of a digit text, or nullopt when it breaks the length limit, holds
// a character that is no digit of the base, or exceeds the 32-bit range.
// Leading zeros keep the value at 0, so they never overflow.
std::optional<std::int32_t> readDigits(std::string_view digits, std::int32_t base)
{
    if (base < SmallestBase || base > LargestBase)
        return std::nullopt;
    if (const auto limit = lengthLimitOf(base); limit && digits.size() > *limit)
        return std::nullopt;
    std::int32_t value = 0;
    for (const char c : digits) {
        if (!isDigitOf(c, base))
            return std::nullopt;
        if (__builtin_mul_overflow(value, base, &value) || __builtin_add_overflow(value, digitValue(c), &value))
            return std::nullopt;
    }
    return value;
}

std::string writeDigits(std::int32_t value, std::int32_t base)
{
    std::string digits;
    do {
        digits.push_back(OutputDigits[static_cast<std::size_t>(value % base)]);
        value /= base;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

// Read from the right: a letter that ranks above its left neighbour in
// "IVXLCDM" forms a pair worth the difference. No other rule is enforced.
// The sum only grows, so it stops as soon as it leaves the 32-bit range.
std::optional<std::int32_t> readRoman(std::string_view numeral)
{
    const auto rank = [&](std::size_t index) { return RomanLetters.find(numeral[index]); };
    const auto value = [&](std::size_t index) { return RomanLetterValues[rank(index)]; };
    std::int32_t sum = 0;
    std::size_t end = numeral.size();
    while (end > 0) {
        std::int32_t part = value(end - 1);
        std::size_t used = 1;
        if (end >= 2 && rank(end - 1) > rank(end - 2)) {
            part -= value(end - 2);
            used = 2;
        }
        if (__builtin_add_overflow(sum, part, &sum))
            return std::nullopt;
        end -= used;
    }
    return sum;
}

// Greedy; thousands beyond three simply repeat "M". 0 gives the empty text.
std::string writeRoman(std::int32_t value)
{
    std::string numeral;
    for (const RomanPart& part : RomanParts) {
        for (; value >= part.Value; value -= part.Value)
            numeral += part.Letters;
    }
    return numeral;
}

} // namespace

ConversionResult BaseConvert(std::string_view digits, std::int32_t sourceBase, std::int32_t targetBase)
{
    if (targetBase == 0)
        return {std::string(digits)};
    if (targetBase < SmallestBase || targetBase > LargestBase)
        return TooLargeResult();
    const std::optional<std::int32_t> value = readDigits(digits, sourceBase);
    return value ? ConversionResult{writeDigits(*value, targetBase)} : TooLargeResult();
}

ConversionResult Num_Change(std::string_view inputText, std::optional<Extended> sourceId,
                            std::optional<Extended> targetId)
{
    if (inputText.empty() || !sourceId || !targetId)
        return {};
    const std::optional<NumberUnit> source = numberUnitOf(*sourceId);
    const std::optional<NumberUnit> target = numberUnitOf(*targetId);
    if (!source || !target)
        return {};

    const auto isAccepted = [&](char c) { return source->Base ? isDigitOf(c, *source->Base) : isRomanLetter(c); };
    if (!std::all_of(inputText.begin(), inputText.end(), isAccepted))
        return InvalidDigitsResult(source->NumberName);

    // A Roman numeral goes on as the decimal text of its value.
    std::string romanValue;
    std::string_view digits = inputText;
    std::int32_t sourceBase = 10;
    if (source->Base) {
        sourceBase = *source->Base;
    } else {
        const std::optional<std::int32_t> value = readRoman(inputText);
        if (!value)
            return TooLargeResult();
        romanValue = std::to_string(*value);
        digits = romanValue;
    }
    if (target->Base)
        return BaseConvert(digits, sourceBase, *target->Base);

    const ConversionResult decimal = BaseConvert(digits, sourceBase, 10);
    if (decimal.IsError())
        return decimal;
    std::int32_t value = 0; // a decimal text BaseConvert wrote always fits
    std::from_chars(decimal.Text.data(), decimal.Text.data() + decimal.Text.size(), value);
    return value <= LargestRomanOutput ? ConversionResult{writeRoman(value)} : TooLargeResult();
}

} // namespace velmar
