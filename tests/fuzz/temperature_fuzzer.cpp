// The temperature converter for any text, any pair of scales (or none) and
// any result format. Faults escape only as FloatingPointFault (the converter
// has no guard of its own); results are one line of printable text.
#include <optional>
#include <string>

#include "engine/floating_point_fault.h"
#include "engine/temperature_converter.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/marks_choice.h"
#include "tests/fuzz/unit_choice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    FuzzInput input(data, size);
    const auto source = takeUnitId(input, velmar::TemperatureIndex);
    const auto target = takeUnitId(input, velmar::TemperatureIndex);
    const velmar::NumberFormatSetting setting = takeNumberFormat(input);
    const velmar::RegionalMarks& marks = takeMarks(input);
    const std::string_view text = input.rest();
    try {
        const std::string result = velmar::Temp_Change(text, source, target, setting, marks).Text;
        requireOneLineOfPrintableText(result, "Temperature result");
        if (result.empty() != (text.empty() || !source || !target))
            fail("the result is empty other than for a missing input or unit", result);
    } catch (const velmar::FloatingPointFault&) {
        // reaches the general error report
    }
    return 0;
}
