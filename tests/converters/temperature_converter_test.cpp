#include <gtest/gtest.h>

#include "catalogue/special_units.h"
#include "engine/floating_point_fault.h"
#include "engine/temperature_converter.h"

using namespace velmar;

namespace {

constexpr Extended Celsius = UnitId(TemperatureUnit::Celsius);
constexpr Extended Fahrenheit = UnitId(TemperatureUnit::Fahrenheit);
constexpr Extended Kelvin = UnitId(TemperatureUnit::Kelvin);
constexpr Extended Rankine = UnitId(TemperatureUnit::Rankine);
constexpr Extended Reaumur = UnitId(TemperatureUnit::Reaumur);

std::string autoFormat(std::string_view input, Extended from, Extended to)
{
    return Temp_Change(input, from, to, NumberFormatSetting{}, RegionalMarks{}).Text;
}

TEST(Temperature, OneNinthIsTheNearestExtendedValue)
{
    volatile int nine = 9; // divided at run time, correctly rounded
    EXPECT_EQ(OneNinth, Extended{1} / nine);
}

TEST(Temperature, ConvertsThroughCelsiusInTheFixedOrderOfOperations)
{
    struct Case {
        const char* input;
        Extended from;
        Extended to;
        const char* expected;
    };
    const Case cases[] = {
        {"100", Celsius, Fahrenheit, "212"},
        {"212", Fahrenheit, Celsius, "100"},
        {"-40", Fahrenheit, Celsius, "-40"},
        {"98.6", Fahrenheit, Celsius, "37"},
        {"37", Celsius, Fahrenheit, "98.6"},
        {"0", Celsius, Kelvin, "273.15"},
        {"0", Kelvin, Fahrenheit, "-459.67"},
        {"0", Kelvin, Rankine, "2.775557562E-17"}, // the last bits of 0.2 and the offsets show
        {"0", Rankine, Kelvin, "0"},
        {"0", Celsius, Rankine, "491.67"},
        {"100", Celsius, Reaumur, "80"},
        {"80", Reaumur, Celsius, "100"},
        {"451", Fahrenheit, Celsius, "232.7777778"},
        {"-500", Kelvin, Celsius, "-773.15"},
        {"12E", Celsius, Celsius, "12"},
        {"1,5", Celsius, Kelvin, "invalid number [2]"},
        {"1E9999", Celsius, Fahrenheit, "INF"},
        {"1E9999", Kelvin, Reaumur, "INF"},
        {"-1E9999", Rankine, Celsius, "INF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(autoFormat(c.input, c.from, c.to), c.expected)
            << c.input << " " << static_cast<int>(c.from) << "->" << static_cast<int>(c.to);
}

TEST(Temperature, EmptyInputOrMissingSelectionEmptiesTheResult)
{
    EXPECT_EQ(autoFormat("", Celsius, Kelvin), "");
    EXPECT_EQ(Temp_Change("5", std::nullopt, Kelvin, {}, {}).Text, "");
    EXPECT_EQ(Temp_Change("5", Celsius, std::nullopt, {}, {}).Text, "");
}

TEST(Temperature, WritesTheResultInTheCurrentFormat)
{
    const NumberFormatSetting scientific = MakeNumberFormatSetting(ResultForm::Scientific, 4);
    EXPECT_EQ(Temp_Change("100", Celsius, Fahrenheit, scientific, {}).Text, "2.120E+002");
    EXPECT_EQ(Temp_Change("37", Celsius, Fahrenheit, {}, RegionalMarks{",", "."}).Text, "98,6");
}

TEST(Temperature, OverflowEscapesAsAFault)
{
    for (const auto& [from, to] : {std::pair{Celsius, Fahrenheit}, std::pair{Reaumur, Celsius}}) {
        try {
            autoFormat("1E4932", from, to);
            ADD_FAILURE() << static_cast<int>(from) << "->" << static_cast<int>(to) << " did not overflow";
        } catch (const FloatingPointFault& fault) {
            EXPECT_EQ(fault.kind(), FloatingPointFault::Kind::Overflow);
            EXPECT_STREQ(fault.what(), "Floating point overflow");
        }
    }
}

TEST(Temperature, MegabyteInputs)
{
    const std::string megabyte(1 << 20, '0');
    EXPECT_EQ(autoFormat(megabyte + "100", Celsius, Fahrenheit), "212");
    EXPECT_EQ(autoFormat(std::string(1 << 20, ' ') + "100", Celsius, Fahrenheit), "212");
    EXPECT_EQ(autoFormat(megabyte + "x", Celsius, Fahrenheit), "invalid number [1048577]");
}

} // namespace
