#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/sort_unit_tables.h"
#include "catalogue/special_units.h"

using namespace velmar;

namespace {

std::vector<std::string_view> namesOf(const UnitCatalogue& catalogue, int category)
{
    std::vector<std::string_view> names;
    for (const UnitEntry& unit : catalogue.table(category))
        names.push_back(unit.Name);
    return names;
}

TEST(UnitNameKey, OrdersByUpperCasedCharacterCodes)
{
    struct Case {
        std::string_view first;
        std::string_view second;
    };
    // Each first name sorts strictly before its second.
    const Case cases[] = {
        {"mil", "mile"},              // a prefix comes first
        {"mile", "mile (US Survey)"}, // space before letters
        {"mile (US Survey)", "millimeter"},
        {"foot", "foot (US Survey)"},
        {"nanometer", "nautical mile"},
        {"Rankine", "Réaumur"},                  // "é" is not upper-cased and follows every letter
        {"mixed number", "[im]proper fraction"}, // "[" follows "Z"
        {"base-10", "base-2"},                   // digits by code, not by value
        {"BTU", "calorie"},                      // capitals sort as their lower-case spelling
        {"british", "BTU"},
        {"foot²", "foot³"},
        {"meter", "meter²"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(UnitNameKeyLess(c.first, c.second)) << c.first << " < " << c.second;
        EXPECT_FALSE(UnitNameKeyLess(c.second, c.first)) << c.second << " < " << c.first;
    }
    EXPECT_FALSE(UnitNameKeyLess("BTU", "btu"));
    EXPECT_FALSE(UnitNameKeyLess("btu", "BTU"));
}

TEST(SortUnitTables, SpecialCategoriesSortWithTheirIds)
{
    UnitCatalogue catalogue;
    SortUnitTables(catalogue);
    const std::vector<std::string_view> temperature = {"Celsius", "Fahrenheit", "Kelvin", "Rankine", "Réaumur"};
    EXPECT_EQ(namesOf(catalogue, TemperatureIndex), temperature);
    const std::vector<std::string_view> fractions = {"mixed number", "[im]proper fraction"};
    EXPECT_EQ(namesOf(catalogue, FractionsIndex), fractions);
    // The converters find their units by id, wherever the sort put them.
    EXPECT_EQ(catalogue.unit(FractionsIndex, 1).Factor, UnitId(FractionsUnit::MixedNumber));
    EXPECT_EQ(catalogue.unit(NumbersIndex, 1).Name, "base-10");
    EXPECT_EQ(catalogue.unit(NumbersIndex, 1).Factor, BaseNUnitId(10));
}

TEST(SortUnitTables, EveryTableIsAscendingAndKeepsEachUnitWhole)
{
    const UnitCatalogue original;
    UnitCatalogue sorted;
    SortUnitTables(sorted);
    for (int category = 0; category < CategoryCount; ++category) {
        const auto& units = sorted.table(category);
        EXPECT_TRUE(std::ranges::is_sorted(units, UnitNameKeyLess, &UnitEntry::Name)) << category;
        ASSERT_EQ(units.size(), original.table(category).size());
        for (const UnitEntry& unit : original.table(category)) {
            const auto moved = std::ranges::find(units, unit.Name, &UnitEntry::Name);
            ASSERT_NE(moved, units.end()) << unit.Name;
            EXPECT_EQ(moved->Factor, unit.Factor) << unit.Name;
        }
    }
}

} // namespace
