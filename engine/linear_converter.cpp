#include "engine/linear_converter.h"

#include "engine/linear_arithmetic.h"
#include "engine/number_reading.h"
#include "engine/result_formatting.h"

namespace velmar {

ConversionResult Linear_Change(std::string_view inputText, std::optional<Extended> sourceFactor,
                               std::optional<Extended> targetFactor, const NumberFormatSetting& setting,
                               const RegionalMarks& marks)
{
    if (inputText.empty() || !sourceFactor || !targetFactor)
        return {};
    // A reading that overflows is not this converter's to report: it escapes.
    const InputReading input = ReadInputText(inputText);
    if (!input.IsNumber)
        return input.Failure;
    const std::optional<Extended> converted = ConvertByFactors(input.Value, *sourceFactor, *targetFactor);
    if (!converted)
        return TooLargeResult();
    return {FormatResult(*converted, setting, marks)};
}

} // namespace velmar
