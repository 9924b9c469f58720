#include "catalogue/unit_definitions.h"

#include <array>
#include <cassert>

#include "catalogue/unit_catalogue.h"

namespace velmar {
namespace {

constexpr std::array<std::string_view, CategoryCount> DefinitionUnits{{
    "meter",                // Length
    "meter²",               // Area
    "liter",                // Volume
    "liter",                // Volume - Dry
    "second",               // Time
    "meter/second",         // Speed
    "kilogram",             // Mass
    "kilogram/meter³",      // Density
    "newton",               // Force
    "joule",                // Energy
    "watt",                 // Power
    "pascal",               // Pressure
    "liter/minute",         // Flow
    "",                     // Temperature
    "degree",               // Angle
    "lux",                  // Light
    "",                     // Numbers
    "",                     // Fractions
    "newton-second/meter²", // Dynamic Viscosity
    "meter²/second",        // Kinematic Viscosity
    "siemens",              // Conductivity
    "watt/meter-K",         // Thermal Conductivity
}};

struct NoteRow {
    int Category;
    std::array<std::string_view, 9> Units; // the units the note is about; unused places stay empty
    std::string_view Text;
};

constexpr NoteRow Notes[] = {
    {LengthIndex,
     {"megaparsec", "kiloparsec", "parsec"},
     "The parsec as the IAU defines it (2015): 648000/π astronomical units."},
    {LengthIndex,
     {"lightyear"},
     "The distance light travels in a Julian year of 365.25 days: exactly 9460730472580800 meter."},
    {LengthIndex, {"astronomical unit"}, "Exactly 149597870700 meter, as the IAU fixed it in 2012."},
    {LengthIndex, {"mile (US Survey)", "foot (US Survey)"}, "On the US survey foot, 1200/3937 meter."},
    {AreaIndex,
     {"mile² (US Survey)", "section", "township", "acre", "rood", "chain²", "rod²", "perch²", "pole²"},
     "On the US survey foot (1200/3937 meter), the traditional basis of US land measure; an acre on the international "
     "foot is 4 parts per million smaller."},
    {AreaIndex, {"cuerda"}, "The legal Puerto Rico cuerda: exactly 3930.395625 meter²."},
    {VolumeIndex,
     {"gallon (UK)", "ounce (UK)"},
     "The UK (imperial) gallon: exactly 4.54609 liter since 1985; the UK fluid ounce is 1/160 of it."},
    {VolumeDryIndex, {"liter"}, "The US dry pint is 33.6003125 inch³, exactly 0.5506104713575 liter."},
    {VolumeDryIndex,
     {"cor (Biblical)", "homer (Biblical)", "ephah (Biblical)", "seah (Biblical)", "omer (Biblical)", "cab (Biblical)",
      "log (Biblical)"},
     "Biblical measures are estimates; here the cor (homer) holds 220 liters, the ephah 1/10 of it, the seah 1/30, the "
     "omer 1/100, the cab 1/180 and the log 1/720."},
    {TimeIndex,
     {"year", "decade", "century", "millennium"},
     "Counted in common years of 365 days; only the lightyear uses the Julian year of 365.25 days."},
    {MassIndex, {"dalton"}, "The unified atomic mass unit, CODATA 2018: 1.66053906660 × 10⁻²⁷ kilogram."},
    {MassIndex,
     {"troy pound", "troy ounce"},
     "The troy ounce is 480 grains, exactly 31.1034768 gram; the troy pound is 12 troy ounces."},
    {MassIndex, {"dyne"}, "The mass that weighs one dyne under standard gravity (9.80665 meter/second²)."},
    {DensityIndex, {"ton/yard³"}, "The short ton (2000 pounds) per cubic yard."},
    {EnergyIndex,
     {"calorie", "kilocalorie"},
     "The International Table calorie, 4.1868 joule (the thermochemical calorie is 4.184 joule)."},
    {EnergyIndex, {"BTU"}, "The International Table BTU, 1055.05585262 joule."},
    {EnergyIndex, {"therm"}, "The EC therm, exactly 105506000 joule (the US therm is 105480400 joule)."},
    {EnergyIndex,
     {"megaelectron volt", "kiloelectron volt", "electron volt"},
     "The electron volt is exactly 1.602176634 × 10⁻¹⁹ joule (SI, 2019)."},
    {PowerIndex, {"horsepower (boiler)"}, "The boiler horsepower, 9809.5 watt."},
    {PowerIndex,
     {"BTU/hour", "BTU/minute", "BTU/second"},
     "On the International Table BTU, 1055.05585262 joule, as in Energy."},
    {PowerIndex,
     {"kilocalorie/second", "calorie/second"},
     "On the International Table calorie, 4.1868 joule, as in Energy."},
    {PowerIndex, {"ton (refrigeration)"}, "12000 BTU/hour, on the International Table BTU."},
    {PressureIndex,
     {"torr", "centimeter mercury (0°C)", "millimeter mercury (0°C)", "inch mercury (32°F)"},
     "Mercury columns are counted in torr (1/760 atmosphere), so 1 atmosphere is exactly 760 millimeter mercury; the "
     "conventional millimeter of mercury, 133.322387415 pascal, is 0.14 parts per million larger."},
    {PressureIndex, {"inch water (60°F)"}, "248.84 pascal, the pressure of an inch of water at 60 °F."},
    {FlowIndex,
     {"gallon (UK)/day", "gallon (UK)/hour", "gallon (UK)/minute", "gallon (UK)/second", "ounce (UK)/hour",
      "ounce (UK)/minute", "ounce (UK)/second"},
     "On the UK (imperial) gallon, exactly 4.54609 liter since 1985; the UK fluid ounce is 1/160 of it."},
    {LightIndex,
     {"sb"},
     "The stilb (candela/centimeter²) measures luminance, not illuminance: converted as the luminance of a perfectly "
     "diffusing surface under the given illuminance, 1 sb ↔ π phot."},
    {LightIndex,
     {"lambert"},
     "The lambert (1/π candela/centimeter²) measures luminance, not illuminance: converted as the luminance of a "
     "perfectly diffusing surface under the given illuminance, 1 lambert ↔ 1 phot."},
    {ConductivityIndex,
     {"statmho"},
     "The CGS electrostatic unit: 1 siemens is c² × 10⁻⁵ statmho, with c = 299792458 meter/second."},
    {ThermalConductivityIndex,
     {"calorie/second-centimeter-°C", "kilowatt/meter-K", "watt/meter-K", "watt/centimeter-°C"},
     "On the International Table BTU and calorie, as in Energy and Power."},
};

} // namespace

std::string_view DefinitionUnitName(int category)
{
    assert(category >= 0 && category < CategoryCount);
    return DefinitionUnits[static_cast<std::size_t>(category)];
}

std::string_view UnitNote(int category, std::string_view unitName)
{
    for (const NoteRow& note : Notes) {
        if (note.Category != category)
            continue;
        for (const std::string_view unit : note.Units) {
            if (!unit.empty() && unit == unitName)
                return note.Text;
        }
    }
    return {};
}

} // namespace velmar
