// The temperature converter for any text, any pair of scales (or none) and
// any result format. Faults escape only as FloatingPointFault (the converter
// has no guard of its own); results are one line of printable text.
#include <optional>
#include <string>

#include "engine/floating_point_fault.h"
#include "engine/temperature_converter.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/marks_choice.h"

namespace velmar::fuzz {
namespace {

constexpr int ScaleCount = 5; // ids 1 to 5: Celsius, Fahrenheit, Kelvin, Rankine, Réaumur

std::optional<Extended> takeScaleId(FuzzInput& input)
{
    const auto choice = input.takeIndex(ScaleCount + 1);
    if (choice == 0)
        return std::nullopt;
    return static_cast<Extended>(choice);
}

} // namespace
} // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    FuzzInput input(data, size);
    const auto source = takeScaleId(input);
    const auto target = takeScaleId(input);
    const velmar::NumberFormatSetting setting = takeNumberFormat(input);
    const velmar::RegionalMarks& marks = takeMarks(input);
    const std::string_view text = input.rest();
    try {
        const std::string result = velmar::Temp_Change(text, source, target, setting, marks);
        requireOneLineOfPrintableText(result, "Temperature result");
        if (result.empty() != (text.empty() || !source || !target))
            fail("the result is empty other than for a missing input or unit", result);
    } catch (const velmar::FloatingPointFault&) {
        // reaches the general error report
    }
    return 0;
}
