#include <algorithm>

#include <gtest/gtest.h>

#include "engine/conversion_dispatch.h"

using namespace velmar;

namespace {

std::string convert(const UnitCatalogue& catalogue, int category, std::string_view input, int source, int target)
{
    return ConvertInCategory(catalogue, category, input, source, target, NumberFormatSetting{}, RegionalMarks{}).Text;
}

TEST(SpecialCategoryDispatch, ListPositionsSelectUnitsOfTheCurrentTable)
{
    UnitCatalogue catalogue;
    EXPECT_EQ(convert(catalogue, TemperatureIndex, "100", 0, 1), "212");       // Celsius -> Fahrenheit
    EXPECT_EQ(convert(catalogue, NumbersIndex, "255", 2, 3), "FF");            // decimal -> hexadecimal
    EXPECT_EQ(convert(catalogue, NumbersIndex, "z", 39, 4), "XXXV");           // base-36 -> Roman numeral
    EXPECT_EQ(convert(catalogue, FractionsIndex, "2.25", -1, 1), "2 and 1/4"); // no source list
    EXPECT_EQ(convert(catalogue, TemperatureIndex, "100", 0, -1), "");
    EXPECT_EQ(convert(catalogue, NumbersIndex, "1", 40, 0), ""); // beyond the table
    EXPECT_EQ(convert(catalogue, FractionsIndex, "0.5", 0, -1), "");
}

TEST(SpecialCategoryDispatch, UnitIdsMoveWithTheirNamesWhenATableIsReordered)
{
    UnitCatalogue catalogue;
    for (const int category : {TemperatureIndex, NumbersIndex, FractionsIndex}) {
        auto& table = catalogue.table(category);
        std::reverse(table.begin(), table.end());
    }
    // Temperature now runs Réaumur, Rankine, Kelvin, Fahrenheit, Celsius.
    EXPECT_EQ(convert(catalogue, TemperatureIndex, "100", 0, 1), "716.67");
    EXPECT_EQ(convert(catalogue, TemperatureIndex, "100", 4, 3), "212");
    // Numbers now ends with hexadecimal, decimal at positions 36 and 37.
    EXPECT_EQ(convert(catalogue, NumbersIndex, "255", 37, 36), "FF");
    EXPECT_EQ(convert(catalogue, NumbersIndex, "255", 0, 37), "2777"); // base-36 -> decimal
    EXPECT_EQ(convert(catalogue, FractionsIndex, "2.25", -1, 0), "2 and 1/4");
    EXPECT_EQ(convert(catalogue, FractionsIndex, "2.25", -1, 1), "9/4");
}

} // namespace
