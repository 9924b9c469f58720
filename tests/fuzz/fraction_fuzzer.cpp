// The decimal-to-fraction converter for any text. Only the reading's
// overflow fault may escape; results are one line of printable text; an
// improper fraction is in lowest terms with a non-zero denominator, and the
// mixed number of the same input writes the same value.
#include <charconv>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <string>

#include "catalogue/special_units.h"
#include "engine/floating_point_fault.h"
#include "engine/fraction_converter.h"
#include "tests/fuzz/fuzz_support.h"

namespace velmar::fuzz {
namespace {

constexpr Extended ImproperId = UnitId(FractionsUnit::ImproperFraction);
constexpr Extended MixedId = UnitId(FractionsUnit::MixedNumber);

struct Ratio {
    std::int64_t Numerator;
    std::int64_t Denominator;
};

std::optional<std::int64_t> wholeNumber(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// "h/k" with both signed.
std::optional<Ratio> parseImproper(std::string_view text)
{
    const auto slash = text.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    const auto numerator = wholeNumber(text.substr(0, slash));
    const auto denominator = wholeNumber(text.substr(slash + 1));
    if (!numerator || !denominator)
        return std::nullopt;
    return Ratio{*numerator, *denominator};
}

// "[-]w and r/k" or "[-]r/k" with w, r, k unsigned; the value as a ratio.
std::optional<Ratio> parseMixed(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (negative)
        text.remove_prefix(1);
    std::int64_t whole = 0;
    if (const auto separator = text.find(" and "); separator != std::string_view::npos) {
        const auto parsed = wholeNumber(text.substr(0, separator));
        if (!parsed || *parsed <= 0)
            return std::nullopt;
        whole = *parsed;
        text.remove_prefix(separator + 5);
    }
    const auto fraction = parseImproper(text);
    if (!fraction || fraction->Numerator < 0 || fraction->Denominator <= 0
        || (whole > 0 && fraction->Numerator >= fraction->Denominator))
        return std::nullopt;
    const std::int64_t numerator = whole * fraction->Denominator + fraction->Numerator;
    return Ratio{negative ? -numerator : numerator, fraction->Denominator};
}

std::string convert(std::string_view text, std::optional<Extended> target)
{
    try {
        std::string result = Frac_Change(text, target).Text;
        requireOneLineOfPrintableText(result, "Fractions result");
        return result;
    } catch (const FloatingPointFault& fault) {
        if (fault.kind() != FloatingPointFault::Kind::Overflow)
            fail("a fault other than the reading's overflow escaped", text);
        return {};
    }
}

bool sameValue(Ratio a, Ratio b)
{
    return a.Numerator * b.Denominator == b.Numerator * a.Denominator;
}

void checkFractions(std::string_view text)
{
    const std::string improper = convert(text, ImproperId);
    const auto ratio = parseImproper(improper);
    if (!ratio)
        return;
    if (ratio->Denominator == 0 || std::gcd(ratio->Numerator, ratio->Denominator) != 1)
        fail("fraction not in lowest terms", improper);
    const std::string mixed = convert(text, MixedId);
    const auto mixedRatio = parseMixed(mixed);
    if (!mixedRatio || !sameValue(*ratio, *mixedRatio))
        fail("mixed number differs from the improper fraction " + improper, mixed);
}

} // namespace
} // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    const std::string_view text = FuzzInput(data, size).rest();
    if (!convert(text, std::nullopt).empty())
        fail("a result without a target unit", text);
    checkFractions(text);
    return 0;
}
