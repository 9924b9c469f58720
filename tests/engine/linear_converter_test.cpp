#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "catalogue/unit_catalogue.h"
#include "engine/conversion_dispatch.h"
#include "engine/floating_point_fault.h"
#include "engine/linear_arithmetic.h"
#include "engine/linear_converter.h"
#include "tests/support/unit_positions.h"

namespace velmar {
namespace {

class LinearConversion : public testing::Test {
protected:
    // The list position of a Length unit.
    int PositionOf(std::string_view name) const { return test_support::PositionOf(catalogue, LengthIndex, name); }

    Extended FactorOf(std::string_view name) const { return catalogue.unit(LengthIndex, PositionOf(name) + 1).Factor; }

    std::string Convert(std::string_view input, int source, int target) const
    {
        return ConvertInCategory(catalogue, LengthIndex, input, source, target, {}, {}).Text;
    }

    std::string Convert(std::string_view input, std::string_view source, std::string_view target) const
    {
        return Convert(input, PositionOf(source), PositionOf(target));
    }

    UnitCatalogue catalogue;
};

TEST_F(LinearConversion, DividesThenMultipliesEachStepRounded)
{
    const auto convert = [&](Extended value, const char* source, const char* target) {
        return ConvertByFactors(value, FactorOf(source), FactorOf(target));
    };
    EXPECT_EQ(convert(1, "kilometer", "meter"), 1000 + ldexp(Extended{1}, -54)); // 0.001 is not exact
    EXPECT_EQ(convert(1, "mile", "mile"), 1 - ldexp(Extended{1}, -64));          // no shortcut for equal units
    EXPECT_EQ(convert(1, "kilometer", "kilometer"), 1);
    EXPECT_NE(convert(5, "foot", "inch"), 60);
    EXPECT_NE(convert(12, "inch", "foot"), 1);
}

TEST_F(LinearConversion, OverflowInEitherStepGivesNoValue)
{
    constexpr Extended Largest = std::numeric_limits<Extended>::max();
    // The division overflows although the whole conversion would fit: each step counts.
    EXPECT_EQ(ConvertByFactors(Largest, FactorOf("megaparsec"), FactorOf("megaparsec")), std::nullopt);
    EXPECT_EQ(ConvertByFactors(Largest, FactorOf("meter"), FactorOf("fermi")), std::nullopt);
    EXPECT_EQ(ConvertByFactors(-Largest, FactorOf("meter"), FactorOf("millimeter")), std::nullopt);
    EXPECT_TRUE(ConvertByFactors(Largest, FactorOf("meter"), FactorOf("kilometer")).has_value());
}

TEST_F(LinearConversion, ResultTexts)
{
    struct Case {
        std::string Input;
        const char* Source;
        const char* Target;
        const char* Text;
    };
    const Case cases[] = {
        {"5", "foot", "inch", "60"},
        {"12", "inch", "foot", "1"},
        {"1", "kilometer", "meter", "1000"},
        {"1", "mile", "mile", "1"},
        {"12X", "meter", "meter", "invalid number [3]"},
        {"2.", "meter", "millimeter", "2000"},
        {"-.", "meter", "millimeter", "0"},
        {"1E4932", "meter", "millimeter", "result too large"},
        {"1E4932", "meter", "kilometer", "1E4929"},
        {"1E9999", "meter", "kilometer", "INF"},
        {"-1E9999", "meter", "kilometer", "INF"},
        {"1E-9999", "meter", "kilometer", "0"},
        {"0E9999", "meter", "kilometer", "0"},
        {"-1E-4929", "meter", "kilometer", "0"}, // subnormal result
        {"1E-4940", "meter", "millimeter", "0"},
        {"0." + std::string(1'000'000, '0') + "1", "meter", "millimeter", "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Convert(c.Input, c.Source, c.Target), c.Text) << c.Input.substr(0, 20);
}

TEST_F(LinearConversion, AnOverflowWhileReadingEscapes)
{
    try {
        Convert("1E4933", "meter", "kilometer");
        FAIL() << "the reading did not overflow";
    } catch (const FloatingPointFault& fault) {
        EXPECT_STREQ(fault.what(), "Floating point overflow");
    }
}

TEST_F(LinearConversion, NothingToConvertGivesAnEmptyResult)
{
    const int meter = PositionOf("meter");
    const int outOfRange = catalogue.tableSize(LengthIndex);
    EXPECT_EQ(Convert("", meter, meter), "");
    EXPECT_EQ(Convert("5", -1, meter), "");
    EXPECT_EQ(Convert("5", meter, -1), "");
    EXPECT_EQ(Convert("5", outOfRange, meter), "");
    EXPECT_EQ(Convert("x", meter, outOfRange), ""); // a missing unit wins over an unreadable input
}

TEST(LinearChange, WritesInTheGivenFormAndMarks)
{
    EXPECT_EQ(Linear_Change("1234.5", 1, 1, MakeNumberFormatSetting(ResultForm::Commas, 2), {",", "."}).Text,
              "1.234,50");
}

} // namespace
} // namespace velmar
