#include "engine/temperature_converter.h"

#include "catalogue/special_units.h"
#include "engine/checked_arithmetic.h"
#include "engine/number_reading.h"
#include "engine/result_formatting.h"

namespace velmar {
namespace {

constexpr Extended FahrenheitId = UnitId(TemperatureUnit::Fahrenheit);
constexpr Extended KelvinId = UnitId(TemperatureUnit::Kelvin);
constexpr Extended RankineId = UnitId(TemperatureUnit::Rankine);
constexpr Extended ReaumurId = UnitId(TemperatureUnit::Reaumur);

// Where 0 Celsius lies on the other scales.
constexpr Extended CelsiusZeroInFahrenheit = 32;
constexpr Extended CelsiusZeroInKelvin = ExtendedLiteral(273.15L);
constexpr Extended CelsiusZeroInRankine = ExtendedLiteral(491.67L);

constexpr Extended Five = 5;
constexpr Extended Nine = 9;
constexpr Extended OneFifth = ExtendedLiteral(0.2L);
constexpr Extended CelsiusPerReaumur = ExtendedLiteral(1.25L);
constexpr Extended ReaumurPerCelsius = ExtendedLiteral(0.8L);

// Fahrenheit and Rankine share the degree size: nine of theirs are five Celsius.
// Each step is rounded in the order written; the last bits of results such as
// 0 Kelvin in Rankine depend on it.
Extended ninthDegreesToCelsius(Extended value, Extended celsiusZero)
{
    using namespace checked;
    return mul(mul(sub(value, celsiusZero), Five), OneNinth);
}

Extended celsiusToNinthDegrees(Extended celsius, Extended celsiusZero)
{
    using namespace checked;
    return add(mul(mul(celsius, Nine), OneFifth), celsiusZero);
}

// Celsius, and an id that names no scale, leave the value as it is.
Extended toCelsius(Extended value, Extended sourceId)
{
    if (sourceId == FahrenheitId)
        return ninthDegreesToCelsius(value, CelsiusZeroInFahrenheit);
    if (sourceId == KelvinId)
        return checked::sub(value, CelsiusZeroInKelvin);
    if (sourceId == RankineId)
        return ninthDegreesToCelsius(value, CelsiusZeroInRankine);
    if (sourceId == ReaumurId)
        return checked::mul(value, CelsiusPerReaumur);
    return value;
}

Extended fromCelsius(Extended celsius, Extended targetId)
{
    if (targetId == FahrenheitId)
        return celsiusToNinthDegrees(celsius, CelsiusZeroInFahrenheit);
    if (targetId == KelvinId)
        return checked::add(celsius, CelsiusZeroInKelvin);
    if (targetId == RankineId)
        return celsiusToNinthDegrees(celsius, CelsiusZeroInRankine);
    if (targetId == ReaumurId)
        return checked::mul(celsius, ReaumurPerCelsius);
    return celsius;
}

} // namespace

ConversionResult Temp_Change(std::string_view inputText, std::optional<Extended> sourceId,
                             std::optional<Extended> targetId, const NumberFormatSetting& setting,
                             const RegionalMarks& marks)
{
    if (inputText.empty() || !sourceId || !targetId)
        return {};
    const InputReading reading = ReadInputText(inputText);
    if (!reading.IsNumber)
        return reading.Failure;
    return {FormatResult(fromCelsius(toCelsius(reading.Value, *sourceId), *targetId), setting, marks)};
}

} // namespace velmar
