#include <algorithm>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "catalogue/unit_catalogue.h"
#include "engine/extended.h"

using namespace velmar;

namespace {

struct CategoryRow {
    std::string_view displayName;
    std::string_view sectionName;
    CategoryKind kind;
    int units;
};

// Catalogue order is what the settings file and the tab order refer to.
TEST(UnitCatalogue, CategoriesInCatalogueOrder)
{
    using enum CategoryKind;
    const CategoryRow rows[CategoryCount] = {
        {"Length", "Length", Linear, 38},
        {"Area", "Area", Linear, 26},
        {"Volume", "Volume", Linear, 35},
        {"Volume - Dry", "DryVolume", Linear, 13},
        {"Time", "Time", Linear, 20},
        {"Speed", "Speed", Linear, 18},
        {"Mass", "Mass", Linear, 39},
        {"Density", "Density", Linear, 8},
        {"Force", "Force", Linear, 12},
        {"Energy", "Energy", Linear, 29},
        {"Power", "Power", Linear, 14},
        {"Pressure", "Pressure", Linear, 20},
        {"Flow", "Flow", Linear, 34},
        {"Temperature", "Temperature", Temperature, 5},
        {"Angle", "Angle", Linear, 12},
        {"Light", "Light", Linear, 7},
        {"Numbers", "Numbers", NumberBase, 40},
        {"Fractions", "Fractions", Fraction, 2},
        {"Dynamic Viscosity", "Viscosity1", Linear, 10},
        {"Kinematic Viscosity", "Viscosity2", Linear, 6},
        {"Conductivity", "Conductivity", Linear, 5},
        {"Thermal Conductivity", "ThermalConductivity", Linear, 6},
    };
    UnitCatalogue catalogue;
    for (int category = 0; category < CategoryCount; ++category) {
        const CategoryRow& row = rows[category];
        const CategoryInfo& info = categoryInfo(category);
        EXPECT_EQ(info.DisplayName, row.displayName) << category;
        EXPECT_EQ(info.SectionName, row.sectionName) << category;
        EXPECT_EQ(info.Kind, row.kind) << category;
        EXPECT_EQ(catalogue.tableSize(category), row.units) << category;
        EXPECT_EQ(Category_Index(row.displayName), category);
    }
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
            const auto characters = std::count_if(entry.Name.begin(), entry.Name.end(), [](char c) {
                return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            });
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

// The engine rounds each factor to extended precision as it reads it; where
// long double is wider, that is the literal's nearest extended value unless
// the compiler's rounding of the literal landed halfway between two.
TEST(UnitCatalogue, EveryFactorRoundsOnceToItsNearestExtendedValue)
{
    UnitCatalogue catalogue;
    for (int category = 0; category < CategoryCount; ++category) {
        for (const UnitEntry& unit : catalogue.table(category))
            EXPECT_FALSE(IsHalfwayBetweenExtendedValues(unit.Factor))
                << categoryInfo(category).DisplayName << ": " << unit.Name;
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

TEST(UnitCatalogue, CategoryIndexIsExactAndCaseSensitive)
{
    struct Case {
        std::string_view name;
        int index;
    };
    const Case cases[] = {
        {"Length", LengthIndex},
        {"Volume - Dry", VolumeDryIndex},
        {"Temperature", TemperatureIndex},
        {"Numbers", NumbersIndex},
        {"Fractions", FractionsIndex},
        {"Thermal Conductivity", ThermalConductivityIndex},
        {"Mass", MassIndex},
        // anything else falls back to Length
        {"length", LengthIndex},
        {"Mass ", LengthIndex},
        {"", LengthIndex},
        {"Volume-Dry", LengthIndex},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Category_Index(c.name), c.index) << c.name;
}

TEST(UnitCatalogue, RebuildingRestoresCatalogueOrder)
{
    UnitCatalogue catalogue;
    auto& length = catalogue.table(LengthIndex);
    std::reverse(length.begin(), length.end());
    EXPECT_EQ(catalogue.unit(LengthIndex, 1).Name, "fingerbreadth (Biblical)");
    catalogue.BuildUnitTables();
    EXPECT_EQ(catalogue.unit(LengthIndex, 1).Name, "kilometer");
    EXPECT_EQ(catalogue.unit(LengthIndex, 38).Name, "fingerbreadth (Biblical)");
}

} // namespace
