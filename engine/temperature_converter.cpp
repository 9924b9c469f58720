#include "temperature_converter.h"

#include "checked_arithmetic.h"
#include "number_reading.h"
#include "result_formatting.h"

namespace velmar {
namespace {

// Unit ids of the five scales, as the Temperature table carries them.
constexpr Extended CelsiusId = 1;
constexpr Extended FahrenheitId = 2;
constexpr Extended KelvinId = 3;
constexpr Extended RankineId = 4;
constexpr Extended ReaumurId = 5;

constexpr Extended FahrenheitZero = 32;
constexpr Extended KelvinOffset = 273.15L;
constexpr Extended RankineOffset = 491.67L;
constexpr Extended Five = 5;
constexpr Extended Nine = 9;
constexpr Extended OneFifth = 0.2L;
constexpr Extended CelsiusPerReaumur = 1.25L;
constexpr Extended ReaumurPerCelsius = 0.8L;

// Each step is rounded in the order written: the last bits of the result
// depend on it. An unknown id leaves the value as it is.
Extended toCelsius(Extended value, Extended sourceId)
{
    using namespace checked;
    if (sourceId == FahrenheitId)
        return mul(mul(sub(value, FahrenheitZero), Five), OneNinth);
    if (sourceId == KelvinId)
        return sub(value, KelvinOffset);
    if (sourceId == RankineId)
        return mul(mul(sub(value, RankineOffset), Five), OneNinth);
    if (sourceId == ReaumurId)
        return mul(value, CelsiusPerReaumur);
    return value;
}

Extended fromCelsius(Extended celsius, Extended targetId)
{
    using namespace checked;
    if (targetId == CelsiusId)
        return celsius;
    if (targetId == FahrenheitId)
        return add(mul(mul(celsius, Nine), OneFifth), FahrenheitZero);
    if (targetId == KelvinId)
        return add(celsius, KelvinOffset);
    if (targetId == RankineId)
        return add(mul(mul(celsius, Nine), OneFifth), RankineOffset);
    if (targetId == ReaumurId)
        return mul(celsius, ReaumurPerCelsius);
    return celsius;
}

} // namespace

std::string Temp_Change(std::string_view inputText, std::optional<Extended> sourceId,
                        std::optional<Extended> targetId, const NumberFormatSetting& setting,
                        const RegionalMarks& marks)
{
    if (inputText.empty() || !sourceId || !targetId)
        return {};
    const InputReading reading = ReadInputText(inputText);
    if (!reading.IsNumber)
        return reading.ErrorText;
    return FormatResult(fromCelsius(toCelsius(reading.Value, *sourceId), *targetId), setting, marks);
}

} // namespace velmar
