#include <gtest/gtest.h>

#include "engine/conversion_dispatch.h"
#include "tests/support/unit_positions.h"

namespace velmar {
namespace {

// Every error text the converters write, next to results that come close.
TEST(ResultTexts, TellEveryConvertersErrorTextFromAResult)
{
    using enum ResultKind;
    const NumberFormatSetting scientific = MakeNumberFormatSetting(ResultForm::Scientific, 2);
    const struct {
        int Category;
        const char* Input;
        const char* Source; // empty: no selection
        const char* Target;
        const char* Text;
        ResultKind Kind;
        NumberFormatSetting Format = {};
    } cases[] = {
        {LengthIndex, "12a", "meter", "kilometer", "invalid number [3]", InvalidNumber},
        {LengthIndex, "1E4932", "meter", "millimeter", "result too large", TooLarge},
        {LengthIndex, "1500", "meter", "kilometer", "1.5", Value},
        {LengthIndex, "1E9999", "meter", "kilometer", "INF", Value},
        {LengthIndex, "1.1E4932", "meter", "meter", "1.1E+4932", Value, scientific},
        {TemperatureIndex, "-40", "Celsius", "Fahrenheit", "-40", Value},
        {TemperatureIndex, "-1E9999", "Celsius", "Fahrenheit", "INF", Value},
        {TemperatureIndex, "1,5", "Celsius", "Fahrenheit", "invalid number [2]", InvalidNumber},
        {NumbersIndex, "12", "binary", "decimal", "invalid binary number", InvalidDigits},
        {NumbersIndex, "8", "octal", "decimal", "invalid octal number", InvalidDigits},
        {NumbersIndex, "1.5", "decimal", "binary", "invalid decimal number", InvalidDigits},
        {NumbersIndex, "G", "hexadecimal", "decimal", "invalid hexadecimal number", InvalidDigits},
        {NumbersIndex, "mcm", "Roman numeral", "decimal", "invalid Roman numeral", InvalidDigits},
        {NumbersIndex, "3", "base-3", "decimal", "invalid base-3 number", InvalidDigits},
        {NumbersIndex, "1000000", "decimal", "Roman numeral", "result too large", TooLarge},
        {NumbersIndex, "255", "decimal", "Roman numeral", "CCLV", Value},
        {NumbersIndex, "4000", "decimal", "Roman numeral", "MMMM", Value},
        {NumbersIndex, "0", "decimal", "Roman numeral", "", Value},
        {NumbersIndex, "z", "base-36", "decimal", "35", Value},
        {FractionsIndex, "0.3333333333", "", "[im]proper fraction", "decimal too precise", TooPrecise},
        {FractionsIndex, "2147483648", "", "[im]proper fraction", "result too large", TooLarge},
        {FractionsIndex, "-2.25", "", "mixed number", "-2 and 1/4", Value},
        {FractionsIndex, "x", "", "mixed number", "invalid number [1]", InvalidNumber},
    };
    const UnitCatalogue catalogue;
    for (const auto& c : cases) {
        const ConversionResult result = ConvertInCategory(
            catalogue, c.Category, c.Input, test_support::PositionOf(catalogue, c.Category, c.Source),
            test_support::PositionOf(catalogue, c.Category, c.Target), c.Format, RegionalMarks{});
        ASSERT_EQ(result.Text, c.Text) << c.Input;
        EXPECT_EQ(result.Kind, c.Kind) << result.Text;
        EXPECT_EQ(result.IsError(), c.Kind != Value) << result.Text;
    }
}

} // namespace
} // namespace velmar
