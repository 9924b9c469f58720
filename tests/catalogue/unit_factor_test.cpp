// The factors against what the units are: each defined factor is the extended
// value nearest to its exact definition, and a quantity that appears in two
// categories has the same size in both.

#include <cmath>
#include <initializer_list>
#include <string_view>

#include <gtest/gtest.h>

#include "catalogue/unit_catalogue.h"
#include "engine/extended.h"
#include "tests/support/exact_rational.h"
#include "tests/support/unit_positions.h"

using namespace velmar;
using ::test_support::ExactRational;
using velmar::test_support::PositionOf;

namespace {

const UnitCatalogue Catalogue;

long double factor(int category, std::string_view name)
{
    return Catalogue.unit(category, PositionOf(Catalogue, category, name) + 1).Factor;
}

// π to far more digits than any rounding to 64 bits can see.
constexpr std::string_view Pi = "3.14159265358979323846264338327950288419716939937510582097494459";

constexpr std::string_view ItBtu = "1055.05585262";
constexpr std::string_view ItCalorie = "4.1868";
constexpr std::string_view UsGallon = "0.003785411784";
constexpr std::string_view UkGallon = "0.00454609";
constexpr std::string_view DryPintInLiters = "0.5506104713575";
constexpr std::string_view AstronomicalUnit = "149597870700";

struct Definition {
    int Category;
    std::string_view Unit;
    std::initializer_list<std::string_view> Numerator;   // multiplied together
    std::initializer_list<std::string_view> Denominator; // divided by each
};

long double nearestExtended(const Definition& definition)
{
    ExactRational value("1");
    for (const std::string_view factor : definition.Numerator)
        value = value * ExactRational(factor);
    for (const std::string_view factor : definition.Denominator)
        value = value / ExactRational(factor);
    return value.NearestExtended();
}

// Units of each unit in one reference unit. The first rows are decimal
// literals and quotients the table has always held; the rest are the units
// whose factors follow their definitions.
TEST(UnitFactors, AreTheNearestExtendedValuesOfTheirDefinitions)
{
    const Definition definitions[] = {
        {LengthIndex, "kilometer", {"0.001"}, {}},
        {LengthIndex, "mile", {"0.000621371192237"}, {}},
        {AreaIndex, "mile² (US Survey)", {"3.86100614135e-7"}, {}},
        {AreaIndex, "section", {"3.86100614136e-7"}, {}},
        {AngleIndex, "radian", {Pi}, {"180"}},
        {AngleIndex, "grade", {"10"}, {"9"}},
        {AngleIndex, "octant", {"1"}, {"45"}},

        {LengthIndex, "megaparsec", {Pi}, {"648000", AstronomicalUnit, "1e6"}},
        {LengthIndex, "kiloparsec", {Pi}, {"648000", AstronomicalUnit, "1e3"}},
        {LengthIndex, "parsec", {Pi}, {"648000", AstronomicalUnit}},
        {LengthIndex, "lightyear", {"1"}, {"9460730472580800"}},
        {LengthIndex, "astronomical unit", {"1"}, {AstronomicalUnit}},
        {AreaIndex, "cuerda", {"1"}, {"3930.395625"}},
        {VolumeIndex, "gallon (UK)", {"1"}, {UkGallon}},
        {VolumeIndex, "ounce (UK)", {"160"}, {UkGallon}},
        {VolumeDryIndex, "liter", {DryPintInLiters}, {}},
        {VolumeDryIndex, "cor (Biblical)", {DryPintInLiters}, {"220"}},
        {VolumeDryIndex, "homer (Biblical)", {DryPintInLiters}, {"220"}},
        {VolumeDryIndex, "ephah (Biblical)", {DryPintInLiters}, {"22"}},
        {VolumeDryIndex, "seah (Biblical)", {DryPintInLiters, "3"}, {"22"}},
        {VolumeDryIndex, "omer (Biblical)", {DryPintInLiters}, {"2.2"}},
        {VolumeDryIndex, "cab (Biblical)", {DryPintInLiters, "18"}, {"22"}},
        {VolumeDryIndex, "log (Biblical)", {DryPintInLiters, "72"}, {"22"}},
        {MassIndex, "dalton", {"1"}, {"1.66053906660e-27"}},
        {MassIndex, "troy pound", {"1"}, {"0.3732417216"}},
        {MassIndex, "troy ounce", {"1"}, {"0.0311034768"}},
        {DensityIndex, "ton/yard³", {"0.764554857984"}, {"907184.74"}},
        {ForceIndex, "joule/centimeter", {"0.01"}, {}},
        {EnergyIndex, "megaelectron volt", {"1"}, {"1.602176634e-13"}},
        {EnergyIndex, "kiloelectron volt", {"1"}, {"1.602176634e-16"}},
        {EnergyIndex, "electron volt", {"1"}, {"1.602176634e-19"}},
        {PowerIndex, "horsepower (boiler)", {"1"}, {"9809.5"}},
        {PowerIndex, "BTU/hour", {"3600"}, {ItBtu}},
        {PowerIndex, "BTU/minute", {"60"}, {ItBtu}},
        {PowerIndex, "BTU/second", {"1"}, {ItBtu}},
        {PowerIndex, "kilocalorie/second", {"1"}, {"1000", ItCalorie}},
        {PowerIndex, "calorie/second", {"1"}, {ItCalorie}},
        {PowerIndex, "ton (refrigeration)", {"3600"}, {"12000", ItBtu}},
        {FlowIndex, "gallon (UK)/day", {UsGallon, "1440"}, {UkGallon}},
        {FlowIndex, "gallon (UK)/hour", {UsGallon, "60"}, {UkGallon}},
        {FlowIndex, "gallon (UK)/minute", {UsGallon}, {UkGallon}},
        {FlowIndex, "gallon (UK)/second", {UsGallon}, {"60", UkGallon}},
        {FlowIndex, "ounce (UK)/hour", {UsGallon, "160", "60"}, {UkGallon}},
        {FlowIndex, "ounce (UK)/minute", {UsGallon, "160"}, {UkGallon}},
        {FlowIndex, "ounce (UK)/second", {UsGallon, "160"}, {"60", UkGallon}},
        {LightIndex, "sb", {"1"}, {"929.0304", Pi}},
        {LightIndex, "lambert", {"1"}, {"929.0304"}},
        {ConductivityIndex, "statmho", {"299792458", "299792458"}, {"1e5"}},
        // One BTU-inch/hour-foot²-°F, the reference unit, in watt/meter-K.
        {ThermalConductivityIndex, "watt/meter-K", {ItBtu, "0.0254", "9"}, {"3600", "0.09290304", "5"}},
        {ThermalConductivityIndex, "watt/centimeter-°C", {ItBtu, "0.0254", "9"}, {"3600", "0.09290304", "5", "100"}},
        {ThermalConductivityIndex, "kilowatt/meter-K", {ItBtu, "0.0254", "9"}, {"3600", "0.09290304", "5", "1000"}},
    };
    for (const Definition& definition : definitions)
        EXPECT_EQ(Extended{factor(definition.Category, definition.Unit)}, Extended{nearestExtended(definition)})
            << definition.Unit;
}

struct Agreement {
    const char* What;
    long double Left;
    long double Right;
};

// Both sides of each row are the same quantity written through two
// categories' factors; a factor built on another definition breaks the row.
// The kept 12-digit literals are good to about 5e-11 (the table's calorie
// conductivity is the loosest), while every fault this guards against was
// 5e-8 or worse, so the tolerance sits between the two.
TEST(UnitFactors, AQuantityHasOneSizeInEveryCategory)
{
    const long double joulesPerBtu = 1 / factor(EnergyIndex, "BTU");
    const long double joulesPerCalorie = 1 / factor(EnergyIndex, "calorie");
    const long double litersPerGallon = factor(VolumeIndex, "liter") / factor(VolumeIndex, "gallon");
    const long double litersPerUkGallon = factor(VolumeIndex, "liter") / factor(VolumeIndex, "gallon (UK)");
    const long double luxPerFootCandle = factor(LightIndex, "lux") / factor(LightIndex, "foot-candle");
    const long double squareFeetPerSquareMeter = factor(AreaIndex, "foot²");
    const Agreement rows[] = {
        {"BTU/second is a BTU each second", factor(PowerIndex, "BTU/second"), factor(EnergyIndex, "BTU")},
        {"BTU/hour", factor(PowerIndex, "BTU/hour"), 3600 * factor(EnergyIndex, "BTU")},
        {"BTU/minute", factor(PowerIndex, "BTU/minute"), 60 * factor(EnergyIndex, "BTU")},
        {"ton of refrigeration is 12000 BTU/hour", factor(PowerIndex, "ton (refrigeration)"),
         factor(PowerIndex, "BTU/hour") / 12000},
        {"calorie/second", factor(PowerIndex, "calorie/second"), factor(EnergyIndex, "calorie")},
        {"kilocalorie/second", factor(PowerIndex, "kilocalorie/second"), factor(EnergyIndex, "kilocalorie")},
        {"watt-hour", factor(EnergyIndex, "watt-hour"), factor(PowerIndex, "watt") / 3600},
        {"BTU-inch/hour-foot²-°F in watt/meter-K", factor(ThermalConductivityIndex, "watt/meter-K"),
         joulesPerBtu * 0.0254L * 9 / (3600 * 0.09290304L * 5)},
        {"calorie/second-centimeter-°C in watt/meter-K",
         factor(ThermalConductivityIndex, "calorie/second-centimeter-°C"),
         factor(ThermalConductivityIndex, "watt/meter-K") / (100 * joulesPerCalorie)},
        {"watt/centimeter-°C", factor(ThermalConductivityIndex, "watt/centimeter-°C"),
         factor(ThermalConductivityIndex, "watt/meter-K") / 100},
        {"kilowatt/meter-K", factor(ThermalConductivityIndex, "kilowatt/meter-K"),
         factor(ThermalConductivityIndex, "watt/meter-K") / 1000},
        {"liter/minute counts gallons", factor(FlowIndex, "liter/minute"), litersPerGallon},
        {"meter³/second", factor(FlowIndex, "meter³/second"), litersPerGallon / 60000},
        {"gallon (UK)/minute", factor(FlowIndex, "gallon (UK)/minute"), litersPerGallon / litersPerUkGallon},
        {"ounce (UK)/minute", factor(FlowIndex, "ounce (UK)/minute"),
         litersPerGallon / litersPerUkGallon * factor(VolumeIndex, "ounce (UK)") / factor(VolumeIndex, "gallon (UK)")},
        {"ounce/minute", factor(FlowIndex, "ounce/minute"),
         factor(VolumeIndex, "ounce") / factor(VolumeIndex, "gallon")},
        {"foot³/minute", factor(FlowIndex, "foot³/minute"),
         factor(VolumeIndex, "foot³") / factor(VolumeIndex, "gallon")},
        {"ton/yard³ is a Mass ton over a Volume yard³", factor(DensityIndex, "ton/yard³"),
         factor(DensityIndex, "kilogram/meter³") * factor(MassIndex, "ton") / factor(VolumeIndex, "yard³")},
        {"pound/foot³", factor(DensityIndex, "pound/foot³"),
         factor(DensityIndex, "kilogram/meter³") * factor(MassIndex, "pound") / factor(VolumeIndex, "foot³")},
        {"ounce/gallon", factor(DensityIndex, "ounce/gallon"),
         factor(DensityIndex, "kilogram/meter³") * factor(MassIndex, "ounce") / factor(VolumeIndex, "gallon")},
        {"lux is a lumen per meter²", luxPerFootCandle, squareFeetPerSquareMeter},
        {"phot is a lumen per centimeter²", factor(LightIndex, "phot"), factor(LightIndex, "lux") / 10000},
        {"lambert matches the phot", factor(LightIndex, "lambert"), factor(LightIndex, "phot")},
        {"sb matches π phot", factor(LightIndex, "sb") * 3.14159265358979323846L, factor(LightIndex, "phot")},
        {"statmho", factor(ConductivityIndex, "statmho"), 299792458.0L * 299792458.0L / 1e5L},
    };
    for (const Agreement& row : rows)
        EXPECT_NEAR(row.Left / row.Right, 1.0L, 1e-10L) << row.What;
}

} // namespace
