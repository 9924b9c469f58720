#include "unit_catalogue.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace velmar;

namespace {

const UnitEntry& unitNamed(const UnitCatalogue& catalogue, int category, std::string_view name)
{
    for (const UnitEntry& entry : catalogue.table(category)) {
        if (entry.Name == name)
            return entry;
    }
    throw std::runtime_error("no unit " + std::string(name));
}

TEST(UnitCatalogue, TableSizesFollowTheCatalogue)
{
    const int expected[CategoryCount] = {38, 26, 35, 13, 20, 18, 39, 8, 12, 29, 14,
                                         20, 34, 5, 12, 7, 40, 2, 10, 6, 5, 6};
    UnitCatalogue catalogue;
    for (int category = 0; category < CategoryCount; ++category)
        EXPECT_EQ(catalogue.tableSize(category), expected[category]) << categoryInfo(category).DisplayName;
    EXPECT_EQ(catalogue.totalUnitCount(), 399);
}

TEST(UnitCatalogue, NamesAreUniqueWithinACategoryAndFitTheNameField)
{
    UnitCatalogue catalogue;
    for (int category = 0; category < CategoryCount; ++category) {
        std::set<std::string_view> seen;
        for (const UnitEntry& entry : catalogue.table(category)) {
            EXPECT_TRUE(seen.insert(entry.Name).second) << entry.Name;
            // Characters, not bytes: the names hold "²", "³", "°" and "é".
            const auto characters = std::count_if(entry.Name.begin(), entry.Name.end(),
                                                  [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
            EXPECT_LE(characters, 31) << entry.Name;
        }
    }
}

TEST(UnitCatalogue, EveryLinearTableHasAReferenceUnit)
{
    UnitCatalogue catalogue;
    for (int category = 0; category < CategoryCount; ++category) {
        if (categoryInfo(category).Kind != CategoryKind::Linear)
            continue;
        const auto& units = catalogue.table(category);
        EXPECT_TRUE(std::any_of(units.begin(), units.end(), [](const UnitEntry& e) { return e.Factor == 1.0L; }))
            << categoryInfo(category).DisplayName;
    }
}

TEST(UnitCatalogue, SpecialCategoriesCarryUnitIdsInTableOrder)
{
    UnitCatalogue catalogue;
    for (int category : {TemperatureIndex, NumbersIndex, FractionsIndex}) {
        for (int position = 1; position <= catalogue.tableSize(category); ++position)
            EXPECT_EQ(catalogue.unit(category, position).Factor, static_cast<long double>(position));
    }
    EXPECT_EQ(categoryInfo(TemperatureIndex).Kind, CategoryKind::Temperature);
    EXPECT_EQ(categoryInfo(NumbersIndex).Kind, CategoryKind::NumberBase);
    EXPECT_EQ(categoryInfo(FractionsIndex).Kind, CategoryKind::Fraction);
}

struct ExactFactor {
    int category;
    const char* unit;
    unsigned long long significand;
    int exponent;
};

// Nearest extended values of the decimal literals and quotients, worked out in
// exact rational arithmetic.
TEST(UnitCatalogue, FactorsAreTheNearestExtendedValues)
{
    const ExactFactor cases[] = {
        {0, "kilometer", 0x83126e978d4fdf3bULL, -73},
        {0, "mile", 0xa2e383cc1e54192eULL, -74},
        {1, "mile² (US Survey)", 0xcf4943abe44dbf2cULL, -85},
        {1, "section", 0xcf4943abe69c0ae7ULL, -85},
        {14, "radian", 0x8efa351294e9c8aeULL, -69},
        {14, "grade", 0x8e38e38e38e38e39ULL, -63},
        {14, "octant", 0xb60b60b60b60b60bULL, -69},
    };
    UnitCatalogue catalogue;
    for (const ExactFactor& c : cases) {
        const long double expected = std::ldexp(static_cast<long double>(c.significand), c.exponent);
        EXPECT_EQ(unitNamed(catalogue, c.category, c.unit).Factor, expected) << c.unit;
    }
}

TEST(UnitCatalogue, CategoryIndexIsExactAndCaseSensitive)
{
    struct Case {
        std::string_view name;
        int index;
    };
    const Case cases[] = {
        {"Length", 0},           {"Volume - Dry", 3},   {"Temperature", 13},    {"Numbers", 16},
        {"Fractions", 17},       {"Thermal Conductivity", 21}, {"length", 0},  {"Mass ", 0},
        {"", 0},                 {"Volume-Dry", 0},     {"Mass", 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Category_Index(c.name), c.index) << c.name;
}

TEST(UnitCatalogue, SectionNamesDifferFromDisplayNamesWhereTheFileSaysSo)
{
    EXPECT_EQ(categoryInfo(3).SectionName, "DryVolume");
    EXPECT_EQ(categoryInfo(18).SectionName, "Viscosity1");
    EXPECT_EQ(categoryInfo(19).SectionName, "Viscosity2");
    EXPECT_EQ(categoryInfo(21).SectionName, "ThermalConductivity");
}

TEST(UnitCatalogue, RebuildingRestoresCatalogueOrder)
{
    UnitCatalogue catalogue;
    auto& length = catalogue.table(0);
    std::reverse(length.begin(), length.end());
    EXPECT_EQ(catalogue.unit(0, 1).Name, "fingerbreadth (Biblical)");
    catalogue.BuildUnitTables();
    EXPECT_EQ(catalogue.unit(0, 1).Name, "kilometer");
    EXPECT_EQ(catalogue.unit(0, 38).Name, "fingerbreadth (Biblical)");
}

} // namespace
