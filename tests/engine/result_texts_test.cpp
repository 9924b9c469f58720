#include <gtest/gtest.h>

#include "engine/conversion_dispatch.h"
#include "engine/result_texts.h"

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
    const struct {
        int Category;
        const char* Input;
        int Source;
        int Target;
        const char* Text;
        bool IsError;
    } cases[] = {
        {LengthIndex, "12a", Meter, Kilometer, "invalid number [3]", true},
        {LengthIndex, "1E4932", Meter, Millimeter, "result too large", true},
        {LengthIndex, "1500", Meter, Kilometer, "1.5", false},
        {TemperatureIndex, "-40", Celsius, Fahrenheit, "-40", false},
        {TemperatureIndex, "1,5", Celsius, Fahrenheit, "invalid number [2]", true},
        {NumbersIndex, "12", Binary, Decimal, "invalid binary number", true},
        {NumbersIndex, "8", Octal, Decimal, "invalid octal number", true},
        {NumbersIndex, "1.5", Decimal, Binary, "invalid decimal number", true},
        {NumbersIndex, "G", Hexadecimal, Decimal, "invalid hexadecimal number", true},
        {NumbersIndex, "mcm", Roman, Decimal, "invalid Roman numeral", true},
        {NumbersIndex, "3", Base3, Decimal, "invalid base-3 number", true},
        {NumbersIndex, "1000000", Decimal, Roman, "result too large", true},
        {NumbersIndex, "255", Decimal, Roman, "CCLV", false},
        {NumbersIndex, "0", Decimal, Roman, "", false},
        {NumbersIndex, "z", Base36, Decimal, "35", false},
        {FractionsIndex, "0.3333333333", -1, Improper, "decimal too precise", true},
        {FractionsIndex, "2147483648", -1, Improper, "result too large", true},
        {FractionsIndex, "-2.25", -1, Mixed, "-2 and 1/4", false},
        {FractionsIndex, "x", -1, Mixed, "invalid number [1]", true},
    };
    const UnitCatalogue catalogue;
    for (const auto& c : cases) {
        const std::string text = ConvertInCategory(catalogue, c.Category, c.Input, c.Source, c.Target,
                                                   NumberFormatSetting{}, RegionalMarks{});
        ASSERT_EQ(text, c.Text) << c.Input;
        EXPECT_EQ(IsErrorText(text), c.IsError) << text;
    }
    for (const char* result : {"INF", "-INF", "NAN", "1.5E+4932", "MMMM"})
        EXPECT_FALSE(IsErrorText(result)) << result;
}

} // namespace
} // namespace velmar
