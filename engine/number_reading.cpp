#include "engine/number_reading.h"

#include <cstdint>

#include "engine/checked_arithmetic.h"
#include "engine/powers_of_ten.h"

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

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

class SyntaxScanner {
public:
    explicit SyntaxScanner(std::string_view text)
        : text_(text)
    { }

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

// The digits read as one whole number: accumulator * 10 + digit for every
// digit, each step rounded to extended precision. Below 2^64 every step is
// exact, so the leading digits are summed in a 64-bit integer to the same
// value. Overflows after about 4933 non-zero digits.
class DigitAccumulator {
public:
    void Add(std::string_view digits)
    {
        for (char digit : digits) {
            const int value = digit - '0';
            if (!extended_ && whole_ < WholeLimit) {
                whole_ = whole_ * 10 + value;
                continue;
            }
            if (!extended_)
                value_ = static_cast<Extended>(whole_);
            extended_ = true;
            value_ = checked::add(checked::mul(value_, 10), value);
        }
    }

    Extended Value() const { return extended_ ? value_ : static_cast<Extended>(whole_); }

private:
    // Below it, whole_ * 10 + 9 still fits 64 bits.
    static constexpr std::uint64_t WholeLimit = 1'000'000'000'000'000'000;

    std::uint64_t whole_ = 0;
    bool extended_ = false;
    Extended value_ = 0;
};

Extended valueOf(const NumberSyntax& syntax)
{
    DigitAccumulator accumulator;
    accumulator.Add(syntax.IntegerDigits);
    accumulator.Add(syntax.FractionDigits);
    const Extended digits = accumulator.Value();
    const std::int64_t power = syntax.Exponent - static_cast<std::int64_t>(syntax.FractionDigits.size());
    Extended magnitude;
    if (digits == 0)
        magnitude = 0; // whatever the exponent: zero times a huge power is still zero
    else if (power > powers_of_ten::LargestScalingPower)
        magnitude = std::numeric_limits<Extended>::infinity();
    else if (power < -powers_of_ten::LargestScalingPower)
        magnitude = 0;
    else
        magnitude = powers_of_ten::Scale(digits, static_cast<int>(power));
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

InputReading ReadInputText(std::string_view inputText)
{
    const NumberReading reading = ReadNumber(CompleteNumberText(inputText));
    if (reading.ErrorPosition != 0)
        return {false, 0, InvalidNumberResult(reading.ErrorPosition)};
    return {true, reading.Value, {}};
}

} // namespace velmar
