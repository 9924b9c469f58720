#include <gtest/gtest.h>

#include "engine/conversion_dispatch.h"

namespace velmar {
namespace {

// List positions of the units used below.
constexpr int Kilometer = 0;
constexpr int Meter = 3;
constexpr int Millimeter = 6;
constexpr int Binary = 0;
constexpr int Octal = 1;
constexpr int Decimal = 2;
constexpr int Hexadecimal = 3;
constexpr int Roman = 4;
constexpr int Base3 = 6;
constexpr int Base36 = 39;
constexpr int Improper = 0;
constexpr int Mixed = 1;
constexpr int Celsius = 0;
constexpr int Fahrenheit = 1;

// Every error text the converters write, next to results that come close.
TEST(ResultTexts, TellEveryConvertersErrorTextFromAResult)
{
    using enum ResultKind;
    const NumberFormatSetting scientific = MakeNumberFormatSetting(ResultForm::Scientific, 2);
    const struct {
        int Category;
        const char* Input;
        int Source;
        int Target;
        const char* Text;
        ResultKind Kind;
        NumberFormatSetting Format = {};
    } cases[] = {
        {LengthIndex, "12a", Meter, Kilometer, "invalid number [3]", InvalidNumber},
        {LengthIndex, "1E4932", Meter, Millimeter, "result too large", TooLarge},
        {LengthIndex, "1500", Meter, Kilometer, "1.5", Value},
        {LengthIndex, "1E9999", Meter, Kilometer, "INF", Value},
        {LengthIndex, "1.1E4932", Meter, Meter, "1.1E+4932", Value, scientific},
        {TemperatureIndex, "-40", Celsius, Fahrenheit, "-40", Value},
        {TemperatureIndex, "-1E9999", Celsius, Fahrenheit, "INF", Value},
        {TemperatureIndex, "1,5", Celsius, Fahrenheit, "invalid number [2]", InvalidNumber},
        {NumbersIndex, "12", Binary, Decimal, "invalid binary number", InvalidDigits},
        {NumbersIndex, "8", Octal, Decimal, "invalid octal number", InvalidDigits},
        {NumbersIndex, "1.5", Decimal, Binary, "invalid decimal number", InvalidDigits},
        {NumbersIndex, "G", Hexadecimal, Decimal, "invalid hexadecimal number", InvalidDigits},
        {NumbersIndex, "mcm", Roman, Decimal, "invalid Roman numeral", InvalidDigits},
        {NumbersIndex, "3", Base3, Decimal, "invalid base-3 number", InvalidDigits},
        {NumbersIndex, "1000000", Decimal, Roman, "result too large", TooLarge},
        {NumbersIndex, "255", Decimal, Roman, "CCLV", Value},
        {NumbersIndex, "4000", Decimal, Roman, "MMMM", Value},
        {NumbersIndex, "0", Decimal, Roman, "", Value},
        {NumbersIndex, "z", Base36, Decimal, "35", Value},
        {FractionsIndex, "0.3333333333", -1, Improper, "decimal too precise", TooPrecise},
        {FractionsIndex, "2147483648", -1, Improper, "result too large", TooLarge},
        {FractionsIndex, "-2.25", -1, Mixed, "-2 and 1/4", Value},
        {FractionsIndex, "x", -1, Mixed, "invalid number [1]", InvalidNumber},
    };
    const UnitCatalogue catalogue;
    for (const auto& c : cases) {
        const ConversionResult result
            = ConvertInCategory(catalogue, c.Category, c.Input, c.Source, c.Target, c.Format, RegionalMarks{});
        ASSERT_EQ(result.Text, c.Text) << c.Input;
        EXPECT_EQ(result.Kind, c.Kind) << result.Text;
        EXPECT_EQ(result.IsError(), c.Kind != Value) << result.Text;
    }
}

} // namespace
} // namespace velmar
