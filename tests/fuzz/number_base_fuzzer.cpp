// The number-base and Roman numeral converter for any text and any pair of
// units (or none), and BaseConvert for any pair of bases. Nothing may throw;
// a result is an error text or a numeral written with the target's digits;
// and a numeral converted back to decimal gives the input's value.
#include <optional>
#include <string>

#include "catalogue/special_units.h"
#include "engine/number_base_converter.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/unit_choice.h"

namespace velmar::fuzz {
namespace {

constexpr Extended DecimalId = UnitId(NumbersUnit::Decimal);

// The base of a unit's digits; 0 for the Roman numeral.
std::size_t baseOf(Extended unitId)
{
    if (unitId == UnitId(NumbersUnit::Binary))
        return 2;
    if (unitId == UnitId(NumbersUnit::Octal))
        return 8;
    if (unitId == UnitId(NumbersUnit::Decimal))
        return 10;
    if (unitId == UnitId(NumbersUnit::Hexadecimal))
        return 16;
    if (unitId == UnitId(NumbersUnit::RomanNumeral))
        return 0;
    return static_cast<std::size_t>(unitId - BaseNUnitId(SmallestListedBase)) + SmallestListedBase;
}

// The characters of a numeral in the unit's output: upper-case digits below
// its base, or Roman letters.
bool isWrittenNumeral(std::string_view text, Extended unitId)
{
    const std::string_view digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::size_t base = baseOf(unitId);
    const std::string_view allowed = base == 0 ? std::string_view("IVXLCDM") : digits.substr(0, base);
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

ConversionResult convert(std::string_view text, std::optional<Extended> source, std::optional<Extended> target)
{
    try {
        ConversionResult result = Num_Change(text, source, target);
        requireOneLineOfPrintableText(result.Text, "Numbers result");
        return result;
    } catch (...) {
        fail("the Numbers converter threw", text);
    }
}

void checkConversion(std::string_view text, std::optional<Extended> source, std::optional<Extended> target)
{
    const ConversionResult result = convert(text, source, target);
    if (text.empty() || !source || !target) {
        if (!result.Text.empty() || result.IsError())
            fail("no input or no unit, yet a result", result.Text);
        return;
    }
    if (result.IsError())
        return;
    if (!isWrittenNumeral(result.Text, *target))
        fail("result holds characters outside the target's digits", result.Text);
    if (result.Text.empty())
        return; // zero as a Roman numeral
    const std::string value = convert(text, source, DecimalId).Text;
    const std::string valueOfResult = convert(result.Text, target, DecimalId).Text;
    if (value != valueOfResult)
        fail("result converted back to decimal differs from the input's value", result.Text);
}

} // namespace
} // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    FuzzInput input(data, size);
    const auto source = takeUnitId(input, velmar::NumbersIndex);
    const auto target = takeUnitId(input, velmar::NumbersIndex);
    const std::int32_t sourceBase = input.takeInt32();
    const std::int32_t targetBase = input.takeInt32();
    const std::string_view text = input.rest();

    checkConversion(text, source, target);
    try {
        const std::string converted = velmar::BaseConvert(text, sourceBase, targetBase).Text;
        if (targetBase == 0 && converted != text)
            fail("BaseConvert to base 0 changed the text", converted);
        if (targetBase != 0)
            requireOneLineOfPrintableText(converted, "BaseConvert result");
    } catch (...) {
        fail("BaseConvert threw", text);
    }
    return 0;
}
