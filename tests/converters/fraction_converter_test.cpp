#include <gtest/gtest.h>

#include "catalogue/special_units.h"
#include "engine/fraction_converter.h"

using namespace velmar;

namespace {

constexpr Extended Improper = UnitId(FractionsUnit::ImproperFraction);
constexpr Extended Mixed = UnitId(FractionsUnit::MixedNumber);

TEST(Fractions, BothLayouts)
{
    struct Case {
        std::string input;
        const char* improper;
        const char* mixed;
    };
    const Case cases[] = {
        {"0.5", "1/2", "1/2"},
        {"0.75", "3/4", "3/4"},
        {"1.5", "3/2", "1 and 1/2"},
        {"2.25", "9/4", "2 and 1/4"},
        {"12.5", "25/2", "12 and 1/2"},
        {"0.1", "1/10", "1/10"},
        {"0.333", "333/1000", "333/1000"},
        {"3.14159", "314159/100000", "3 and 14159/100000"},
        {"123.456", "15432/125", "123 and 57/125"},
        {"0.0001234", "617/5000000", "617/5000000"},
        {"66.666", "33333/500", "66 and 333/500"},
        {"1E-9", "1/1000000000", "1/1000000000"},
        {"0.5E", "1/2", "1/2"},
        {std::string(1 << 20, '0') + ".5", "1/2", "1/2"},
        // whole numbers
        {"5", "5", "5"},
        {"0", "0", "0"},
        {"-0", "0", "0"},
        {"-2147483648", "-2147483648", "-2147483648"},
        {"2147483647", "2147483647", "2147483647"},
        // negative values: the improper layout keeps the sign where the
        // expansion puts it; the mixed layout puts one minus sign in front
        {"-1.25", "5/-4", "-1 and 1/4"},
        {"-2.4", "-12/5", "-2 and 2/5"},
        {"-0.5", "1/-2", "-1/2"},
        {"-1.5", "3/-2", "-1 and 1/2"},
        {"-0.4", "-2/5", "-2/5"},
        // failures
        {"0.3333333333", "decimal too precise", "decimal too precise"},
        {"1E-10", "decimal too precise", "decimal too precise"},
        {"2147483647.5", "decimal too precise", "decimal too precise"}, // numerator outgrows 32 bits
        {"2147483648", "result too large", "result too large"},
        {"-2147483649", "result too large", "result too large"},
        {"1E9999", "result too large", "result too large"},
        {"-1E9999", "result too large", "result too large"},
        {"1/2", "invalid number [2]", "invalid number [2]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Frac_Change(c.input, Improper).Text, c.improper) << c.input.substr(0, 40);
        EXPECT_EQ(Frac_Change(c.input, Mixed).Text, c.mixed) << c.input.substr(0, 40);
    }
}

TEST(Fractions, EmptyInputOrNoTargetEmptiesTheResult)
{
    EXPECT_EQ(Frac_Change("", Improper).Text, "");
    EXPECT_EQ(Frac_Change("0.5", std::nullopt).Text, "");
}

} // namespace
