#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "engine/result_formatting.h"

namespace velmar {
namespace {

using Limits = std::numeric_limits<Extended>;
using enum ResultForm;

std::string Format(Extended value, ResultForm form, int precision, const RegionalMarks& marks = {})
{
    return FormatResult(value, MakeNumberFormatSetting(form, precision), marks);
}

struct ExampleRow {
    Extended Value;
    const char* AutoFormat;
    const char* Scientific4;
    const char* Scientific0;
    const char* Fixed4;
    const char* Fixed0;
    const char* FixedWithCommas4;
};

class FormatExample : public testing::TestWithParam<ExampleRow> { };

TEST_P(FormatExample, EveryForm)
{
    const ExampleRow& row = GetParam();
    EXPECT_EQ(Format(row.Value, AutoFormat, 4), row.AutoFormat);
    EXPECT_EQ(Format(row.Value, Scientific, 4), row.Scientific4);
    EXPECT_EQ(Format(row.Value, Scientific, 0), row.Scientific0);
    EXPECT_EQ(Format(row.Value, Fixed, 4), row.Fixed4);
    EXPECT_EQ(Format(row.Value, Fixed, 0), row.Fixed0);
    EXPECT_EQ(Format(row.Value, Commas, 4), row.FixedWithCommas4);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatExample,
    testing::Values(ExampleRow{1234.5L, "1234.5", "1.235E+003", "1.2E+003", "1234.5000", "1235", "1,234.5000"},
                    ExampleRow{-2.5L, "-2.5", "-2.500E+000", "-2.5E+000", "-2.5000", "-3", "-2.5000"},
                    ExampleRow{0, "0", "0.000E+000", "0.0E+000", "0.0000", "0", "0.0000"},
                    ExampleRow{0.000012345L, "1.2345E-5", "1.235E-005", "1.2E-005", "0.0000", "0", "0.0000"},
                    ExampleRow{12345678901.0L, "1.23456789E10", "1.235E+010", "1.2E+010", "12345678901.0000",
                               "12345678901", "12,345,678,901.0000"},
                    ExampleRow{1e20L, "1E20", "1.000E+020", "1.0E+020", "1E20", "1E20", "1E20"},
                    ExampleRow{1.0L / 3, "0.3333333333", "3.333E-001", "3.3E-001", "0.3333", "0", "0.3333"},
                    ExampleRow{-0.00004L, "-4E-5", "-4.000E-005", "-4.0E-005", "-0.0000", "0", "-0.0000"},
                    // zero and subnormal values carry no sign and the exponent +000
                    ExampleRow{-0.0L, "0", "0.000E+000", "0.0E+000", "0.0000", "0", "0.0000"},
                    ExampleRow{-Limits::denorm_min(), "0", "0.000E+000", "0.0E+000", "0.0000", "0", "0.0000"},
                    ExampleRow{Limits::infinity(), "INF", "INF", "INF", "INF", "INF", "INF"},
                    ExampleRow{-Limits::infinity(), "INF", "INF", "INF", "INF", "INF", "INF"},
                    ExampleRow{Limits::quiet_NaN(), "NAN", "NAN", "NAN", "NAN", "NAN", "NAN"},
                    // the ends of the normal range
                    ExampleRow{Limits::max(), "1.189731495E4932", "1.190E+4932", "1.2E+4932",
                               "1.18973149535723177E4932", "1.18973149535723177E4932", "1.18973149535723177E4932"},
                    ExampleRow{-Limits::min(), "-3.362103143E-4932", "-3.362E-4932", "-3.4E-4932", "0.0000", "0",
                               "0.0000"}));

struct FormatCase {
    Extended Value;
    ResultForm Form;
    int Precision;
    const char* Text;
};

class FormatEdge : public testing::TestWithParam<FormatCase> { };

TEST_P(FormatEdge, WritesTheText)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(Format(c.Value, c.Form, c.Precision), c.Text);
}

INSTANTIATE_TEST_SUITE_P(
    PrecisionBounds, FormatEdge,
    testing::Values(
        FormatCase{1.0L / 3, Scientific, -1, "3.33333333333333E-001"}, FormatCase{1.0L / 3, Scientific, 1, "3.3E-001"},
        FormatCase{1.0L / 3, Scientific, 2, "3.3E-001"}, FormatCase{1.0L / 3, Scientific, 9, "3.33333333E-001"},
        FormatCase{1.0L / 3, Scientific, 12, "3.33333333333E-001"},
        FormatCase{1.0L / 3, Scientific, 18, "3.33333333333333333E-001"},
        FormatCase{1.0L / 3, Scientific, 19, "3.33333333333333E-001"},
        FormatCase{1.0L / 3, Scientific, 25, "3.33333333333333E-001"}, FormatCase{1.0L / 3, Fixed, -1, "0.33"},
        FormatCase{1.0L / 3, Fixed, 1, "0.3"}, FormatCase{1.0L / 3, Fixed, 2, "0.33"},
        FormatCase{1.0L / 3, Fixed, 9, "0.333333333"}, FormatCase{1.0L / 3, Fixed, 12, "0.333333333333"},
        FormatCase{1.0L / 3, Fixed, 18, "0.333333333333333333"}, FormatCase{1.0L / 3, Fixed, 19, "0.33"},
        FormatCase{1.0L / 3, Fixed, 25, "0.33"}, FormatCase{1.0L / 3, Commas, 25, "0.33"},
        FormatCase{2.0L / 3, AutoFormat, 99, "0.6666666667"}, FormatCase{1e-10L, Fixed, 18, "0.000000000100000000"}));

INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatEdge,
    testing::Values(
        FormatCase{0.5L, Fixed, 0, "1"}, FormatCase{2.5L, Fixed, 0, "3"}, FormatCase{-0.5L, Fixed, 0, "-1"},
        FormatCase{0.00005L, Fixed, 4, "0.0001"}, FormatCase{0.99996L, Fixed, 4, "1.0000"},
        FormatCase{999999.6L, Commas, 0, "1,000,000"}, FormatCase{9.9996L, Scientific, 4, "1.000E+001"},
        FormatCase{9999999999.0L, AutoFormat, 4, "9999999999"}, FormatCase{9999999999.5L, AutoFormat, 4, "1E10"},
        FormatCase{0.0001L, AutoFormat, 4, "0.0001"}, FormatCase{0.00001L, AutoFormat, 4, "1E-5"},
        FormatCase{0.00099999999996L, AutoFormat, 4, "0.001"}, FormatCase{1e10L, AutoFormat, 4, "1E10"},
        FormatCase{123456789012345678.0L, Fixed, 4, "123456789012345678.0000"},
        FormatCase{999999999999999999.0L, Fixed, 2, "999999999999999999.00"}, FormatCase{1e18L, Fixed, 2, "1E18"},
        FormatCase{1e10L, Commas, 2, "10,000,000,000.00"}, FormatCase{100, Commas, 0, "100"},
        FormatCase{-123456, Commas, 1, "-123,456.0"}, FormatCase{1.5e-300L, Scientific, 3, "1.50E-300"},
        // a view type outside 1 to 4 writes the automatic form
        FormatCase{1234.5L, ResultFormOf(0), 2, "1234.5"}, FormatCase{1234.5L, ResultFormOf(7), 2, "1234.5"}));

TEST(FormatResult, UsesTheRegionalMarks)
{
    EXPECT_EQ(Format(1234.5L, Commas, 2, {",", "."}), "1.234,50");
    EXPECT_EQ(Format(1234.5L, AutoFormat, 2, {",", "."}), "1234,5");
    EXPECT_EQ(Format(1.5e-7L, AutoFormat, 2, {",", "."}), "1,5E-7");
    EXPECT_EQ(Format(1234.5L, Scientific, 2, {",", "."}), "1,2E+003");

    const RegionalMarks narrowSpaceGroups{"\u066B", "\u202F"};
    EXPECT_EQ(Format(-1234567.25L, Commas, 2, narrowSpaceGroups), "-1\u202F234\u202F567\u066B25");
}

} // namespace
} // namespace velmar
