#include "number_reading.h"

#include <cstdint>

#include "checked_arithmetic.h"
#include "decimal_scaling.h"

namespace velmar {
namespace {

// Where the parts of a number lie in its text. The whole text is checked
// before any arithmetic, so a misfit is reported even after digits that
// would overflow.
struct NumberSyntax {
    std::size_t ErrorPosition = 0;
    bool Negative = false;
    std::string_view IntegerDigits;
    std::string_view FractionDigits;
    std::int64_t Exponent = 0; // saturated: any magnitude beyond the scaling range acts alike
};

// Exponent digits stop counting here: far beyond every power that scales, and
// far from the int64 limit even after subtracting the count of fraction digits.
constexpr std::int64_t SaturatedExponent = 1'000'000'000'000'000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

class SyntaxScanner {
public:
    explicit SyntaxScanner(std::string_view text)
        : text_(text)
    {
    }

    NumberSyntax Scan()
    {
        NumberSyntax syntax;
        while (at(' '))
            ++next_;
        if (at('+') || at('-'))
            syntax.Negative = text_[next_++] == '-';
        syntax.IntegerDigits = digits();
        const bool hasPoint = at('.');
        if (hasPoint) {
            ++next_;
            if (atEnd())
                return failed();
            syntax.FractionDigits = digits();
        }
        const bool hasExponent = at('E') || at('e');
        if (hasExponent) {
            ++next_;
            const bool negativeExponent = at('-');
            if (at('+') || at('-'))
                ++next_;
            const std::string_view exponentDigits = digits();
            if (exponentDigits.empty())
                return failed();
            const std::int64_t exponent = saturatedValue(exponentDigits);
            syntax.Exponent = negativeExponent ? -exponent : exponent;
        }
        const bool hasNumber = !syntax.IntegerDigits.empty() || hasPoint || hasExponent;
        if (!atEnd() || !hasNumber)
            return failed();
        return syntax;
    }

private:
    bool atEnd() const { return next_ == text_.size(); }
    bool at(char c) const { return !atEnd() && text_[next_] == c; }

    std::string_view digits()
    {
        const std::size_t first = next_;
        while (!atEnd() && isDigit(text_[next_]))
            ++next_;
        return text_.substr(first, next_ - first);
    }

    // The misfit is the next character, or the end of the text when more was needed.
    NumberSyntax failed() const
    {
        NumberSyntax syntax;
        syntax.ErrorPosition = next_ + 1;
        return syntax;
    }

    static std::int64_t saturatedValue(std::string_view digits)
    {
        std::int64_t value = 0;
        for (char digit : digits) {
            if (value >= SaturatedExponent)
                return SaturatedExponent;
            value = value * 10 + (digit - '0');
        }
        return value;
    }

    std::string_view text_;
    std::size_t next_ = 0;
};

// accumulator * 10 + digit for every digit, each step rounded; overflows
// after about 4933 non-zero digits.
Extended accumulate(Extended accumulator, std::string_view digits)
{
    for (char digit : digits)
        accumulator = checked::add(checked::mul(accumulator, 10), digit - '0');
    return accumulator;
}

Extended valueOf(const NumberSyntax& syntax)
{
    const Extended digits = accumulate(accumulate(0, syntax.IntegerDigits), syntax.FractionDigits);
    const std::int64_t power = syntax.Exponent - static_cast<std::int64_t>(syntax.FractionDigits.size());
    Extended magnitude;
    if (digits == 0)
        magnitude = 0; // whatever the exponent: zero times a huge power is still zero
    else if (power > LargestScalingPower)
        magnitude = std::numeric_limits<Extended>::infinity();
    else if (power < -LargestScalingPower)
        magnitude = 0;
    else
        magnitude = ScaleByPowerOfTen(digits, static_cast<int>(power));
    return syntax.Negative ? -magnitude : magnitude;
}

} // namespace

std::string CompleteNumberText(std::string_view text)
{
    std::string completed(text);
    for (char unfinished : {'E', 'e', '.'})
        if (!completed.empty() && completed.back() == unfinished)
            completed += '0';
    return completed;
}

NumberReading ReadNumber(std::string_view completedText)
{
    const NumberSyntax syntax = SyntaxScanner(completedText).Scan();
    if (syntax.ErrorPosition != 0)
        return {0, syntax.ErrorPosition};
    return {valueOf(syntax), 0};
}

std::string InvalidNumberText(std::size_t errorPosition)
{
    return "invalid number [" + std::to_string(errorPosition) + "]";
}

InputReading ReadInputText(std::string_view inputText)
{
    const NumberReading reading = ReadNumber(CompleteNumberText(inputText));
    if (reading.ErrorPosition != 0)
        return {false, 0, InvalidNumberText(reading.ErrorPosition)};
    return {true, reading.Value, {}};
}

} // namespace velmar
