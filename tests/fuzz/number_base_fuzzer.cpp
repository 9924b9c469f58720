// The number-base and Roman numeral converter for any text and any pair of
// units (or none), and BaseConvert for any pair of bases. Nothing may throw;
// a result is an error text or a numeral written with the target's digits;
// and a numeral converted back to decimal gives the input's value.
#include <optional>
#include <string>

#include "engine/number_base_converter.h"
#include "tests/fuzz/fuzz_support.h"

namespace velmar::fuzz {
namespace {

constexpr int UnitCount = 40; // ids 1 to 40: binary ... Roman numeral ... base-36
constexpr Extended DecimalId = 3;
constexpr int RomanId = 5;

// One of the 40 unit ids, or no selection.
std::optional<Extended> takeUnitId(FuzzInput& input)
{
    const auto choice = input.takeIndex(UnitCount + 1);
    if (choice == 0)
        return std::nullopt;
    return static_cast<Extended>(choice);
}

// The characters of a numeral in the unit's output: upper-case digits below
// its base, or Roman letters.
bool isWrittenNumeral(std::string_view text, Extended unitId)
{
    const std::string_view digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const int id = static_cast<int>(unitId);
    const int base = id == 1 ? 2 : id == 2 ? 8 : id == 3 ? 10 : id == 4 ? 16 : id - 4;
    const std::string_view allowed = id == RomanId ? std::string_view("IVXLCDM") : digits.substr(0, base);
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

bool isErrorText(std::string_view text)
{
    return text.starts_with("invalid ") || text == "result too large";
}

std::string convert(std::string_view text, std::optional<Extended> source, std::optional<Extended> target)
{
    try {
        std::string result = Num_Change(text, source, target);
        requireOneLineOfPrintableText(result, "Numbers result");
        return result;
    } catch (...) {
        fail("the Numbers converter threw", text);
    }
}

void checkConversion(std::string_view text, std::optional<Extended> source, std::optional<Extended> target)
{
    const std::string result = convert(text, source, target);
    if (text.empty() || !source || !target) {
        if (!result.empty())
            fail("no input or no unit, yet a result", result);
        return;
    }
    if (isErrorText(result))
        return;
    if (!isWrittenNumeral(result, *target))
        fail("result holds characters outside the target's digits", result);
    if (result.empty())
        return; // zero as a Roman numeral
    const std::string value = convert(text, source, DecimalId);
    const std::string valueOfResult = convert(result, target, DecimalId);
    if (value != valueOfResult)
        fail("result converted back to decimal differs from the input's value", result);
}

} // namespace
} // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    FuzzInput input(data, size);
    const auto source = takeUnitId(input);
    const auto target = takeUnitId(input);
    const std::int32_t sourceBase = input.takeInt32();
    const std::int32_t targetBase = input.takeInt32();
    const std::string_view text = input.rest();

    checkConversion(text, source, target);
    try {
        const std::string converted = velmar::BaseConvert(text, sourceBase, targetBase);
        if (targetBase == 0 && converted != text)
            fail("BaseConvert to base 0 changed the text", converted);
        if (targetBase != 0)
            requireOneLineOfPrintableText(converted, "BaseConvert result");
    } catch (...) {
        fail("BaseConvert threw", text);
    }
    return 0;
}
