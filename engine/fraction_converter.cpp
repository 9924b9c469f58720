#include "engine/fraction_converter.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "catalogue/special_units.h"
#include "engine/checked_arithmetic.h"
#include "engine/number_reading.h"

namespace velmar {
namespace {

// Every value with a 32-bit numerator and denominator is reached well within
// this many convergents (ratios of Fibonacci numbers, the slowest to converge,
// take about 45); beyond it the value is taken as having no such fraction.
constexpr int MostConvergents = 51;

struct Fraction {
    std::int32_t Numerator;
    std::int32_t Denominator;
};

// x truncated toward zero, or nullopt when that lies outside the 32-bit range
// (infinities included).
std::optional<std::int32_t> truncateToInt32(Extended x)
{
    const Extended whole = trunc(x);
    if (!(whole >= -2147483648.0L && whole <= 2147483647.0L))
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

// a × previous + beforePrevious, or nullopt when it leaves the 32-bit range.
std::optional<std::int32_t> nextTerm(std::int32_t a, std::int32_t previous, std::int32_t beforePrevious)
{
    std::int32_t term = 0;
    if (__builtin_mul_overflow(a, previous, &term) || __builtin_add_overflow(term, beforePrevious, &term))
        return std::nullopt;
    return term;
}

// The first convergent of v's continued fraction whose quotient equals v
// exactly. Nothing beyond the 32-bit range can match, so every overflow, like
// a zero remainder or running out of tries, ends the search without a result.
std::optional<Fraction> exactConvergent(Extended value)
{
    Fraction previous{1, 0};
    Fraction beforePrevious{0, 1};
    Extended remaining = value;
    try {
        for (int count = 1;; ++count) {
            const std::optional<std::int32_t> a = truncateToInt32(remaining);
            if (!a)
                return std::nullopt;
            const std::optional<std::int32_t> numerator = nextTerm(*a, previous.Numerator, beforePrevious.Numerator);
            const std::optional<std::int32_t> denominator
                = nextTerm(*a, previous.Denominator, beforePrevious.Denominator);
            if (!numerator || !denominator)
                return std::nullopt;
            beforePrevious = previous;
            previous = Fraction{*numerator, *denominator};
            if (checked::div(*numerator, *denominator) == value)
                return previous;
            if (count == MostConvergents)
                return std::nullopt;
            remaining = checked::div(1, checked::sub(remaining, *a));
        }
    } catch (const FloatingPointFault&) {
        return std::nullopt;
    }
}

std::string improperLayout(const Fraction& fraction)
{
    return std::to_string(fraction.Numerator) + "/" + std::to_string(fraction.Denominator);
}

// Whole part, " and ", remainder "/" denominator when the fraction exceeds 1
// in magnitude; a negative value keeps one minus sign in front.
std::string mixedLayout(const Fraction& fraction)
{
    const bool negative = (fraction.Numerator < 0) != (fraction.Denominator < 0);
    const std::int64_t numerator = std::llabs(fraction.Numerator);
    const std::int64_t denominator = std::llabs(fraction.Denominator);
    const std::string sign = negative ? "-" : "";
    if (numerator > denominator)
        return sign + std::to_string(numerator / denominator) + " and " + std::to_string(numerator % denominator) + "/"
            + std::to_string(denominator);
    return sign + std::to_string(numerator) + "/" + std::to_string(denominator);
}

} // namespace

ConversionResult Frac_Change(std::string_view inputText, std::optional<Extended> targetId)
{
    if (inputText.empty() || !targetId)
        return {};
    const InputReading reading = ReadInputText(inputText);
    if (!reading.IsNumber)
        return reading.Failure;

    const std::optional<std::int32_t> whole = truncateToInt32(reading.Value);
    if (!whole)
        return TooLargeResult();
    if (*whole == reading.Value)
        return {std::to_string(*whole)};

    const std::optional<Fraction> fraction = exactConvergent(reading.Value);
    if (!fraction)
        return TooPreciseResult();
    return {*targetId == UnitId(FractionsUnit::MixedNumber) ? mixedLayout(*fraction) : improperLayout(*fraction)};
}

} // namespace velmar
