#include "catalogue/unit_aliases.h"

#include <algorithm>
#include <array>

#include "catalogue/unit_catalogue.h"

namespace velmar {
namespace {

// Symbols that differ only in case (MJ and mJ, MW and mW) name different units:
// lookups try the exact spelling first. Volume - Dry has no symbols of its
// own, so that "L" and "pt" mean the liquid units.
// clang-format off
constexpr UnitAliasLine AliasLines[] = {
    {LengthIndex, "kilometer", "km"},
    {LengthIndex, "hectometer", "hm"},
    {LengthIndex, "dekameter", "dam|decameter|decametre"},
    {LengthIndex, "meter", "m"},
    {LengthIndex, "decimeter", "dm"},
    {LengthIndex, "centimeter", "cm"},
    {LengthIndex, "millimeter", "mm"},
    {LengthIndex, "micrometer", "µm|um|micron|microns"},
    {LengthIndex, "nanometer", "nm"},
    {LengthIndex, "angstrom", "Å|ångström"},
    {LengthIndex, "fermi", "fm|femtometer|femtometre"},
    {LengthIndex, "mile", "mi"},
    {LengthIndex, "furlong", "fur"},
    {LengthIndex, "chain", "ch"},
    {LengthIndex, "rod", "rd"},
    {LengthIndex, "fathom", "ftm"},
    {LengthIndex, "yard", "yd|yds"},
    {LengthIndex, "foot", "ft|feet"},
    {LengthIndex, "inch", "in|inches"},
    {LengthIndex, "mil", "thou"},
    {LengthIndex, "megaparsec", "Mpc"},
    {LengthIndex, "kiloparsec", "kpc"},
    {LengthIndex, "parsec", "pc"},
    {LengthIndex, "lightyear", "ly|light-year|light-years|light year|light years"},
    {LengthIndex, "astronomical unit", "au|AU|astronomical units"},
    {LengthIndex, "nautical mile", "nmi|NM|nautical miles"},
    {LengthIndex, "mile (US Survey)", "survey mile"},
    {LengthIndex, "foot (US Survey)", "survey foot|survey feet"},

    {AreaIndex, "kilometer²", "km2|km^2|sq km|square kilometer|square kilometers|square kilometre|square kilometres"},
    {AreaIndex, "hectometer²", "hm2|hm^2"},
    {AreaIndex, "dekameter²", "dam2|dam^2"},
    {AreaIndex, "meter²", "m2|m^2|sq m|square meter|square meters|square metre|square metres"},
    {AreaIndex, "decimeter²", "dm2|dm^2"},
    {AreaIndex, "centimeter²", "cm2|cm^2|sq cm|square centimeter|square centimeters|square centimetre|square centimetres"},
    {AreaIndex, "millimeter²", "mm2|mm^2|sq mm|square millimeter|square millimeters|square millimetre|square millimetres"},
    {AreaIndex, "micrometer²", "µm2|um2|µm^2|um^2"},
    {AreaIndex, "nanometer²", "nm2|nm^2"},
    {AreaIndex, "hectare", "ha"},
    {AreaIndex, "mile²", "mi2|mi^2|sq mi|square mile|square miles"},
    {AreaIndex, "yard²", "yd2|yd^2|sq yd|square yard|square yards"},
    {AreaIndex, "foot²", "ft2|ft^2|sq ft|square foot|square feet"},
    {AreaIndex, "inch²", "in2|in^2|sq in|square inch|square inches"},
    {AreaIndex, "acre", "ac"},

    {VolumeIndex, "meter³", "m3|m^3|cu m|cubic meter|cubic meters|cubic metre|cubic metres"},
    {VolumeIndex, "centimeter³", "cm3|cm^3|cu cm|cubic centimeter|cubic centimeters|cubic centimetre|cubic centimetres"},
    {VolumeIndex, "yard³", "yd3|yd^3|cu yd|cubic yard|cubic yards"},
    {VolumeIndex, "foot³", "ft3|ft^3|cu ft|cubic foot|cubic feet"},
    {VolumeIndex, "inch³", "in3|in^3|cu in|cubic inch|cubic inches"},
    {VolumeIndex, "hectoliter", "hL|hl"},
    {VolumeIndex, "dekaliter", "daL|dal|decaliter|decalitre"},
    {VolumeIndex, "liter", "L|l"},
    {VolumeIndex, "deciliter", "dL|dl"},
    {VolumeIndex, "centiliter", "cL|cl"},
    {VolumeIndex, "milliliter", "mL|ml"},
    {VolumeIndex, "board foot", "fbm|board feet"},
    {VolumeIndex, "barrel", "bbl"},
    {VolumeIndex, "gallon", "gal|US gal"},
    {VolumeIndex, "gallon (UK)", "UK gal|imp gal|imperial gallon|imperial gallons"},
    {VolumeIndex, "quart", "qt"},
    {VolumeIndex, "pint", "pt"},
    {VolumeIndex, "ounce", "oz|fl oz|floz|fluid ounce|fluid ounces"},
    {VolumeIndex, "ounce (UK)", "UK fl oz|imp fl oz"},
    {VolumeIndex, "tablespoon", "tbsp|Tbsp|tbs"},
    {VolumeIndex, "teaspoon", "tsp"},

    {VolumeDryIndex, "pint", "dry pint|dry pints"},
    {VolumeDryIndex, "quart", "dry quart|dry quarts"},
    {VolumeDryIndex, "peck", "pk"},
    {VolumeDryIndex, "bushel", "bu"},

    {TimeIndex, "millennium", "millennia"},
    {TimeIndex, "century", "centuries"},
    {TimeIndex, "leap-year", "leap year|leap years"},
    {TimeIndex, "year", "yr|yrs"},
    {TimeIndex, "month (30 days)", "month|months|mo"},
    {TimeIndex, "week", "wk|wks"},
    {TimeIndex, "day", "d"},
    {TimeIndex, "hour", "h|hr|hrs"},
    {TimeIndex, "minute", "min|mins"},
    {TimeIndex, "second", "s|sec|secs"},
    {TimeIndex, "millisecond", "ms|msec"},
    {TimeIndex, "microsecond", "µs|us"},
    {TimeIndex, "nanosecond", "ns"},
    {TimeIndex, "picosecond", "ps"},
    {TimeIndex, "femtosecond", "fs"},
    {TimeIndex, "attosecond", "as"},

    {SpeedIndex, "kilometer/hour", "km/h|kmh|kph|kmph|km/hr"},
    {SpeedIndex, "kilometer/minute", "km/min"},
    {SpeedIndex, "kilometer/second", "km/s"},
    {SpeedIndex, "meter/hour", "m/h"},
    {SpeedIndex, "meter/minute", "m/min"},
    {SpeedIndex, "meter/second", "m/s|mps"},
    {SpeedIndex, "centimeter/hour", "cm/h"},
    {SpeedIndex, "centimeter/minute", "cm/min"},
    {SpeedIndex, "centimeter/second", "cm/s"},
    {SpeedIndex, "mile/hour", "mph|mi/h|miles per hour"},
    {SpeedIndex, "mile/minute", "mi/min"},
    {SpeedIndex, "mile/second", "mi/s"},
    {SpeedIndex, "foot/hour", "ft/h"},
    {SpeedIndex, "foot/minute", "ft/min|fpm"},
    {SpeedIndex, "foot/second", "ft/s|fps"},
    {SpeedIndex, "knot", "kn|kt|kts"},
    {SpeedIndex, "mach (sound)", "mach|Ma"},
    {SpeedIndex, "c (light)", "c|speed of light"},

    {MassIndex, "kilogram", "kg|kgs|kilogramme|kilogrammes"},
    {MassIndex, "hectogram", "hg"},
    {MassIndex, "dekagram", "dag"},
    {MassIndex, "gram", "g|gramme|grammes"},
    {MassIndex, "decigram", "dg"},
    {MassIndex, "centigram", "cg"},
    {MassIndex, "milligram", "mg"},
    {MassIndex, "microgram", "µg|ug|mcg"},
    {MassIndex, "dalton", "Da|u|amu"},
    {MassIndex, "hundredweight", "cwt"},
    {MassIndex, "pound", "lb|lbs"},
    {MassIndex, "ounce", "oz"},
    {MassIndex, "stone", "st"},
    {MassIndex, "ton", "short ton|short tons|US ton"},
    {MassIndex, "ton (long)", "long ton|long tons|UK ton"},
    {MassIndex, "ton (metric)", "t|tonne|tonnes|metric ton|metric tons"},
    {MassIndex, "troy pound", "lbt|lb t"},
    {MassIndex, "troy ounce", "ozt|oz t"},
    {MassIndex, "carat", "ct"},
    {MassIndex, "grain", "gr"},
    {MassIndex, "pennyweight", "dwt"},

    {DensityIndex, "gram/centimeter³", "g/cm3|g/cc|g/mL|g/ml"},
    {DensityIndex, "kilogram/meter³", "kg/m3|kg/L|g/L"},
    {DensityIndex, "gram/meter³", "g/m3"},
    {DensityIndex, "milligram/meter³", "mg/m3"},
    {DensityIndex, "pound/inch³", "lb/in3"},
    {DensityIndex, "pound/foot³", "lb/ft3"},
    {DensityIndex, "ounce/gallon", "oz/gal"},
    {DensityIndex, "ton/yard³", "ton/yd3"},

    {ForceIndex, "kilonewton", "kN"},
    {ForceIndex, "newton", "N"},
    {ForceIndex, "millinewton", "mN"},
    {ForceIndex, "dyne", "dyn"},
    {ForceIndex, "joule/meter", "J/m"},
    {ForceIndex, "joule/centimeter", "J/cm"},
    {ForceIndex, "kilogram force", "kgf|kp|kilopond"},
    {ForceIndex, "gram force", "gf"},
    {ForceIndex, "kip force", "kipf|kip"},
    {ForceIndex, "pound force", "lbf"},
    {ForceIndex, "ounce force", "ozf"},
    {ForceIndex, "poundal", "pdl"},

    {EnergyIndex, "gigajoule", "GJ"},
    {EnergyIndex, "megajoule", "MJ"},
    {EnergyIndex, "kilojoule", "kJ"},
    {EnergyIndex, "joule", "J"},
    {EnergyIndex, "millijoule", "mJ"},
    {EnergyIndex, "microjoule", "µJ|uJ"},
    {EnergyIndex, "nanojoule", "nJ"},
    {EnergyIndex, "attojoule", "aJ"},
    {EnergyIndex, "gigawatt-hour", "GWh"},
    {EnergyIndex, "megawatt-hour", "MWh"},
    {EnergyIndex, "kilowatt-hour", "kWh"},
    {EnergyIndex, "watt-hour", "Wh"},
    {EnergyIndex, "watt-second", "Ws"},
    {EnergyIndex, "horsepower-hour", "hph|hp h"},
    {EnergyIndex, "kilocalorie", "kcal"},
    {EnergyIndex, "calorie", "cal"},
    {EnergyIndex, "BTU", "Btu"},
    {EnergyIndex, "newton-meter", "N m|N·m|Nm"},
    {EnergyIndex, "dyne-centimeter", "dyn cm"},
    {EnergyIndex, "pound force-foot", "ft lbf|lbf ft|ft-lb|ft lb"},
    {EnergyIndex, "pound force-inch", "in lbf|lbf in|in-lb|in lb"},
    {EnergyIndex, "ounce force-inch", "in ozf|ozf in"},
    {EnergyIndex, "therm", "thm"},
    {EnergyIndex, "megaelectron volt", "MeV"},
    {EnergyIndex, "kiloelectron volt", "keV"},
    {EnergyIndex, "electron volt", "eV|electronvolt|electronvolts"},

    {PowerIndex, "megawatt", "MW"},
    {PowerIndex, "kilowatt", "kW"},
    {PowerIndex, "watt", "W"},
    {PowerIndex, "milliwatt", "mW"},
    {PowerIndex, "horsepower", "hp"},
    {PowerIndex, "horsepower (boiler)", "boiler horsepower|bhp"},
    {PowerIndex, "BTU/hour", "Btu/h|BTU/h|Btu/hr|BTU/hr"},
    {PowerIndex, "BTU/minute", "Btu/min|BTU/min"},
    {PowerIndex, "BTU/second", "Btu/s|BTU/s"},
    {PowerIndex, "kilocalorie/second", "kcal/s"},
    {PowerIndex, "calorie/second", "cal/s"},
    {PowerIndex, "pound-foot/minute", "ft lbf/min|ft-lb/min"},
    {PowerIndex, "pound-foot/second", "ft lbf/s|ft-lb/s"},
    {PowerIndex, "ton (refrigeration)", "TR|RT|ton of refrigeration"},

    {PressureIndex, "megapascal", "MPa"},
    {PressureIndex, "kilopascal", "kPa"},
    {PressureIndex, "pascal", "Pa"},
    {PressureIndex, "millibar", "mbar|hPa"},
    {PressureIndex, "microbar", "µbar|ubar"},
    {PressureIndex, "atmosphere", "atm"},
    {PressureIndex, "dyne/centimeter²", "dyn/cm2"},
    {PressureIndex, "kilogram/meter²", "kg/m2|kgf/m2"},
    {PressureIndex, "kilogram/centimeter²", "kg/cm2|kgf/cm2"},
    {PressureIndex, "ton/foot²", "ton/ft2"},
    {PressureIndex, "ton/inch²", "ton/in2"},
    {PressureIndex, "pound/foot²", "psf|lb/ft2|lbf/ft2"},
    {PressureIndex, "pound/inch²", "lb/in2|lbf/in2"},
    {PressureIndex, "torr", "Torr"},
    {PressureIndex, "centimeter mercury (0°C)", "cmHg"},
    {PressureIndex, "millimeter mercury (0°C)", "mmHg"},
    {PressureIndex, "inch mercury (32°F)", "inHg"},
    {PressureIndex, "inch water (60°F)", "inH2O|inAq"},

    {FlowIndex, "gallon/day", "gal/d|gpd"},
    {FlowIndex, "gallon/hour", "gal/h|gph"},
    {FlowIndex, "gallon/minute", "gal/min|gpm"},
    {FlowIndex, "gallon/second", "gal/s"},
    {FlowIndex, "ounce/hour", "oz/h"},
    {FlowIndex, "ounce/minute", "oz/min"},
    {FlowIndex, "ounce/second", "oz/s"},
    {FlowIndex, "liter/day", "L/d|l/d"},
    {FlowIndex, "liter/hour", "L/h|l/h"},
    {FlowIndex, "liter/minute", "L/min|l/min|lpm"},
    {FlowIndex, "liter/second", "L/s|l/s"},
    {FlowIndex, "milliliter/hour", "mL/h|ml/h"},
    {FlowIndex, "milliliter/minute", "mL/min|ml/min"},
    {FlowIndex, "milliliter/second", "mL/s|ml/s"},
    {FlowIndex, "meter³/day", "m3/d"},
    {FlowIndex, "meter³/hour", "m3/h"},
    {FlowIndex, "meter³/minute", "m3/min"},
    {FlowIndex, "meter³/second", "m3/s"},
    {FlowIndex, "centimeter³/hour", "cm3/h"},
    {FlowIndex, "centimeter³/minute", "cm3/min"},
    {FlowIndex, "centimeter³/second", "cm3/s"},
    {FlowIndex, "yard³/hour", "yd3/h"},
    {FlowIndex, "yard³/minute", "yd3/min"},
    {FlowIndex, "yard³/second", "yd3/s"},
    {FlowIndex, "foot³/hour", "ft3/h|cfh"},
    {FlowIndex, "foot³/minute", "ft3/min|cfm"},
    {FlowIndex, "foot³/second", "ft3/s|cfs"},

    {TemperatureIndex, "Celsius", "C|°C|degC|centigrade"},
    {TemperatureIndex, "Fahrenheit", "F|°F|degF"},
    {TemperatureIndex, "Kelvin", "K|kelvins"},
    {TemperatureIndex, "Rankine", "R|°R|degR|Ra"},
    {TemperatureIndex, "Réaumur", "°Ré|°Re|degRe|Ré|Re"},

    {AngleIndex, "degree", "°|deg"},
    {AngleIndex, "radian", "rad"},
    {AngleIndex, "grade", "grad|grads|gon|gons"},
    {AngleIndex, "minute", "arcmin|arcminute|arcminutes"},
    {AngleIndex, "second", "arcsec|arcsecond|arcseconds"},
    {AngleIndex, "revolution", "rev"},
    {AngleIndex, "turn", "tr"},

    {LightIndex, "foot-candle", "fc|ftcd"},
    {LightIndex, "lux", "lx"},
    {LightIndex, "phot", "ph"},
    {LightIndex, "sb", "stilb"},
    {LightIndex, "lambert", "La"},

    {NumbersIndex, "binary", "bin|base 2"},
    {NumbersIndex, "octal", "oct|base 8"},
    {NumbersIndex, "decimal", "dec|base 10"},
    {NumbersIndex, "hexadecimal", "hex|base 16"},
    {NumbersIndex, "Roman numeral", "roman|Roman numerals"},

    {FractionsIndex, "[im]proper fraction", "fraction|frac|improper fraction|proper fraction"},
    {FractionsIndex, "mixed number", "mixed|mixed numbers"},

    {DynamicViscosityIndex, "newton-second/meter²", "Pa s|Pa·s|Pa-s|N s/m2"},
    {DynamicViscosityIndex, "millinewton-second/meter²", "mPa s|mPa·s|mPa-s"},
    {DynamicViscosityIndex, "poise", "P"},
    {DynamicViscosityIndex, "centipoise", "cP"},

    {KinematicViscosityIndex, "stoke", "St|stokes"},
    {KinematicViscosityIndex, "centistoke", "cSt|centistokes"},
    {KinematicViscosityIndex, "meter²/second", "m2/s"},
    {KinematicViscosityIndex, "centimeter²/second", "cm2/s"},
    {KinematicViscosityIndex, "millimeter²/second", "mm2/s"},
    {KinematicViscosityIndex, "foot²/second", "ft2/s"},

    {ConductivityIndex, "siemens", "S"},
    {ConductivityIndex, "microsiemens", "µS|uS"},
    {ConductivityIndex, "micromho", "µmho|umho"},

    {ThermalConductivityIndex, "watt/meter-K", "W/m K|W/(m K)|W/mK"},
    {ThermalConductivityIndex, "kilowatt/meter-K", "kW/m K|kW/(m K)"},
};
// clang-format on

struct Respelling {
    std::string_view From;
    std::string_view To;
};

// Each row gives one more spelling of every name that holds `From`.
constexpr std::array<Respelling, 9> Respellings{{
    {"meter", "metre"},
    {"liter", "litre"},
    {"²", "2"},
    {"²", "^2"},
    {"³", "3"},
    {"³", "^3"},
    {"°", "deg"},
    {"°", ""},
    {"é", "e"},
}};

std::string replacedAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    for (std::size_t start = 0;;) {
        const std::size_t found = text.find(from, start);
        result += text.substr(start, found - start);
        if (found == std::string_view::npos)
            return result;
        result += to;
        start = found + from.size();
    }
}

// "century" takes "-ies", which the curated table spells out.
bool endsInConsonantY(std::string_view name)
{
    return name.size() >= 2 && name.back() == 'y'
        && std::string_view("aeiou").find(name[name.size() - 2]) == std::string_view::npos;
}

// Only plain words get a plural: "ounce (UK)s" or "meter/seconds" would
// read wrongly.
bool takesRegularPlural(int category, std::string_view name)
{
    const bool plainWord = name.find_first_of("()/[]²³°") == std::string_view::npos;
    return plainWord && categoryInfo(category).Kind == CategoryKind::Linear && !name.ends_with('s')
        && !name.ends_with('x') && !name.ends_with("foot") && !endsInConsonantY(name);
}

std::string regularPlural(std::string_view name)
{
    return std::string(name) + (name.ends_with("ch") ? "es" : "s");
}

void addUnique(std::vector<std::string>& names, std::string name)
{
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(std::move(name));
}

} // namespace

std::span<const UnitAliasLine> UnitAliasLines()
{
    return AliasLines;
}

std::vector<std::string_view> AliasesOf(const UnitAliasLine& line)
{
    std::vector<std::string_view> aliases;
    for (std::size_t start = 0; start <= line.Aliases.size();) {
        const std::size_t bar = std::min(line.Aliases.find('|', start), line.Aliases.size());
        aliases.push_back(line.Aliases.substr(start, bar - start));
        start = bar + 1;
    }
    return aliases;
}

std::vector<std::string> CuratedAliasesOf(int category, std::string_view unit)
{
    std::vector<std::string> aliases;
    for (const UnitAliasLine& line : AliasLines) {
        if (line.Category != category || line.Unit != unit)
            continue;
        for (const std::string_view alias : AliasesOf(line))
            addUnique(aliases, std::string(alias));
    }
    return aliases;
}

std::vector<std::string> DerivedSpellingsOf(int category, std::string_view unit)
{
    std::vector<std::string> spellings{std::string(unit)};
    for (const Respelling& respelling : Respellings) {
        const std::size_t known = spellings.size();
        for (std::size_t i = 0; i < known; ++i) {
            if (spellings[i].find(respelling.From) != std::string::npos)
                addUnique(spellings, replacedAll(spellings[i], respelling.From, respelling.To));
        }
    }
    if (takesRegularPlural(category, unit)) {
        const std::size_t singular = spellings.size();
        for (std::size_t i = 0; i < singular; ++i)
            addUnique(spellings, regularPlural(spellings[i]));
    }
    spellings.erase(spellings.begin());
    return spellings;
}

} // namespace velmar
