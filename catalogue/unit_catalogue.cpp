#include "catalogue/unit_catalogue.h"

#include <cassert>
#include <span>

#include "catalogue/special_units.h"

namespace velmar {
namespace {

// Factors are decimal literals taken to the nearest extended value; the Angle
// fractions are the correctly rounded extended quotients. Most literals carry
// 12 significant digits, the table's documented precision; those with 25 are
// exact definitions (see unit_definitions.cpp) written beyond extended
// precision, so they too round to the value nearest the definition.
// One unit a line, in list order, however short the entries.
// clang-format off
constexpr UnitEntry LengthUnits[] = {
    {"kilometer", 0.001L},
    {"hectometer", 0.01L},
    {"dekameter", 0.1L},
    {"meter", 1.0L},
    {"decimeter", 10.0L},
    {"centimeter", 100.0L},
    {"millimeter", 1000.0L},
    {"micrometer", 1000000.0L},
    {"nanometer", 1e9L},
    {"angstrom", 1e10L},
    {"fermi", 1e15L},
    {"mile", 0.000621371192237L},
    {"furlong", 0.00497096953791L},
    {"chain", 0.049709695379L},
    {"rod", 0.198838781516L},
    {"perch", 0.198838781516L},
    {"pole", 0.198838781516L},
    {"fathom", 0.546806649169L},
    {"yard", 1.09361329834L},
    {"foot", 3.28083989501L},
    {"link", 4.9709695379L},
    {"inch", 39.3700787402L},
    {"mil", 39370.0787402L},
    {"megaparsec", 3.240779289444365023237688e-23L},
    {"kiloparsec", 3.240779289444365023237688e-20L},
    {"parsec", 3.240779289444365023237688e-17L},
    {"lightyear", 1.057000834024615463709461e-16L},
    {"astronomical unit", 6.684587122268445495995953e-12L},
    {"nautical mile", 0.000539956803456L},
    {"mile (US Survey)", 0.000621369949495L},
    {"foot (US Survey)", 3.280833333333L},
    {"long reed (Biblical)", 0.312460942383L},
    {"reed (Biblical)", 0.364537766113L},
    {"long cubit (Biblical)", 1.8747656543L},
    {"cubit (Biblical)", 2.18722659668L},
    {"span (Biblical)", 4.37445319336L},
    {"handbreadth (Biblical)", 13.1233595801L},
    {"fingerbreadth (Biblical)", 52.4934383204L},
};

constexpr UnitEntry AreaUnits[] = {
    {"kilometer²", 1e-6L},
    {"hectometer²", 0.0001L},
    {"dekameter²", 0.01L},
    {"meter²", 1.0L},
    {"decimeter²", 100.0L},
    {"centimeter²", 10000.0L},
    {"millimeter²", 1000000.0L},
    {"micrometer²", 1e12L},
    {"nanometer²", 1e18L},
    {"hectare", 0.0001L},
    {"are", 0.01L},
    {"barn", 1e28L},
    {"mile²", 3.86102158542e-7L},
    {"mile² (US Survey)", 3.86100614135e-7L},
    {"yard²", 1.1959900463L},
    {"foot²", 10.7639104167L},
    {"inch²", 1550.00310001L},
    {"cuerda", 0.0002544273135353899647188825L},
    {"township", 1.07250170593e-8L},
    {"section", 3.86100614136e-7L},
    {"acre", 0.000247104393047L},
    {"rood", 0.000988417572188L},
    {"chain²", 0.00247104393047L},
    {"rod²", 0.0395367028875L},
    {"perch²", 0.0395367028875L},
    {"pole²", 0.0395367028875L},
};

constexpr UnitEntry VolumeUnits[] = {
    {"meter³", 1.0L},
    {"centimeter³", 1000000.0L},
    {"yard³", 1.30795061931L},
    {"foot³", 35.3146667215L},
    {"inch³", 61023.7440947L},
    {"hectoliter", 10.0L},
    {"dekaliter", 100.0L},
    {"liter", 1000.0L},
    {"deciliter", 10000.0L},
    {"centiliter", 100000.0L},
    {"milliliter", 1000000.0L},
    {"cc", 1000000.0L},
    {"drop", 2e7L},
    {"dekastere", 0.1L},
    {"stere", 1.0L},
    {"decistere", 10.0L},
    {"cord", 0.275895833762L},
    {"board foot", 423.776000658L},
    {"tun", 1.04830179507L},
    {"barrel", 6.28981077043L},
    {"gallon", 264.172052358L},
    {"gallon (UK)", 219.9692482990877875273037L},
    {"quart", 1056.68820943L},
    {"pint", 2113.37641887L},
    {"cup", 4226.75283773L},
    {"ounce", 33814.0227018L},
    {"ounce (UK)", 35195.07972785404600436859L},
    {"tablespoon", 67628.0454037L},
    {"teaspoon", 202884.136211L},
    {"cor (Biblical)", 4.54545454545L},
    {"homer (Biblical)", 4.54545454545L},
    {"bath (Biblical)", 45.4545454545L},
    {"hin (Biblical)", 272.727272727L},
    {"cab (Biblical)", 818.181818181L},
    {"log (Biblical)", 3272.72727272L},
};

constexpr UnitEntry VolumeDryUnits[] = {
    {"barrel", 0.00476194905L},
    {"liter", 0.5506104713575L},
    {"pint", 1.0L},
    {"quart", 0.5L},
    {"peck", 0.0625L},
    {"bushel", 0.015625L},
    {"cor (Biblical)", 0.002502774869806818181818182L},
    {"homer (Biblical)", 0.002502774869806818181818182L},
    {"ephah (Biblical)", 0.02502774869806818181818182L},
    {"seah (Biblical)", 0.07508324609420454545454545L},
    {"omer (Biblical)", 0.2502774869806818181818182L},
    {"cab (Biblical)", 0.4504994765652272727272727L},
    {"log (Biblical)", 1.801997906260909090909091L},
};

constexpr UnitEntry TimeUnits[] = {
    {"millennium", 2.7397260274e-6L},
    {"century", 2.7397260274e-5L},
    {"decade", 0.00027397260274L},
    {"leap-year", 0.00273224043716L},
    {"year", 0.0027397260274L},
    {"sidereal year", 0.0027378031145L},
    {"tropical year", 0.00273790925583L},
    {"month (30 days)", 0.0333333333333L},
    {"fortnight", 0.0714285714286L},
    {"week", 0.142857142857L},
    {"day", 1.0L},
    {"hour", 24.0L},
    {"minute", 1440.0L},
    {"second", 86400.0L},
    {"millisecond", 8.64e7L},
    {"microsecond", 8.64e10L},
    {"nanosecond", 8.64e13L},
    {"picosecond", 8.64e16L},
    {"femtosecond", 8.64e19L},
    {"attosecond", 8.64e22L},
};

constexpr UnitEntry SpeedUnits[] = {
    {"kilometer/hour", 3.6L},
    {"kilometer/minute", 0.06L},
    {"kilometer/second", 0.001L},
    {"meter/hour", 3600.0L},
    {"meter/minute", 60.0L},
    {"meter/second", 1.0L},
    {"centimeter/hour", 360000.0L},
    {"centimeter/minute", 6000.0L},
    {"centimeter/second", 100.0L},
    {"mile/hour", 2.23693629205L},
    {"mile/minute", 0.0372822715342L},
    {"mile/second", 0.000621371192236L},
    {"foot/hour", 11811.023622L},
    {"foot/minute", 196.850393701L},
    {"foot/second", 3.28083989501L},
    {"knot", 1.94384449244L},
    {"mach (sound)", 0.003016955289L},
    {"c (light)", 3.33564095198e-9L},
};

constexpr UnitEntry MassUnits[] = {
    {"kilogram", 1.0L},
    {"hectogram", 10.0L},
    {"dekagram", 100.0L},
    {"gram", 1000.0L},
    {"decigram", 10000.0L},
    {"centigram", 100000.0L},
    {"milligram", 1000000.0L},
    {"microgram", 1e9L},
    {"dyne", 980665.0L},
    {"dalton", 6.022140762081122602599056e26L},
    {"kip", 0.00220462262185L},
    {"hundredweight", 0.0220462262185L},
    {"pound", 2.20462262185L},
    {"ounce", 35.2739619496L},
    {"slug", 0.0685217658568L},
    {"stone", 0.157473044418L},
    {"ton", 0.00110231131092L},
    {"ton (long)", 0.000984206527611L},
    {"ton (metric)", 0.001L},
    {"troy pound", 2.679228880718998376841696L},
    {"troy ounce", 32.15074656862798052210035L},
    {"carat", 5000.0L},
    {"grain", 15432.3583529L},
    {"pennyweight", 643.014931371L},
    {"scruple", 771.617917644L},
    {"talent (Biblical Hebrew)", 0.0292014063818L},
    {"mina (Biblical Hebrew)", 1.75208438291L},
    {"shekel (Biblical Hebrew)", 87.6042191455L},
    {"bekah (Biblical Hebrew)", 175.208438291L},
    {"gerah (Biblical Hebrew)", 1752.08438291L},
    {"talent (Biblical Greek)", 0.0490196078431L},
    {"mina (Biblical Greek)", 2.94117647059L},
    {"tetradrachma (Biblical Greek)", 73.5294117647L},
    {"didrachma (Biblical Greek)", 147.058823529L},
    {"drachma (Biblical Greek)", 294.117647059L},
    {"denarius (Biblical Roman)", 259.74025974L},
    {"assarion (Biblical Roman)", 4155.84415584L},
    {"quadrans (Biblical Roman)", 16623.3766234L},
    {"lepton (Biblical Roman)", 33246.7532468L},
};

constexpr UnitEntry DensityUnits[] = {
    {"gram/centimeter³", 1e-6L},
    {"kilogram/meter³", 0.001L},
    {"gram/meter³", 1.0L},
    {"milligram/meter³", 1000.0L},
    {"pound/inch³", 3.61272920001e-8L},
    {"pound/foot³", 6.24279605762e-5L},
    {"ounce/gallon", 0.000133526471232L},
    {"ton/yard³", 8.427774677779522614103937e-7L},
};

constexpr UnitEntry ForceUnits[] = {
    {"kilonewton", 0.001L},
    {"newton", 1.0L},
    {"millinewton", 1000.0L},
    {"dyne", 100000.0L},
    {"joule/meter", 1.0L},
    {"joule/centimeter", 0.01L},
    {"kilogram force", 0.101971621298L},
    {"gram force", 101.971621298L},
    {"kip force", 0.0002248089431L},
    {"pound force", 0.2248089431L},
    {"ounce force", 3.5969430896L},
    {"poundal", 7.23301385121L},
};

constexpr UnitEntry EnergyUnits[] = {
    {"gigajoule", 1e-9L},
    {"megajoule", 1e-6L},
    {"kilojoule", 0.001L},
    {"joule", 1.0L},
    {"millijoule", 1000.0L},
    {"microjoule", 1000000.0L},
    {"nanojoule", 1e9L},
    {"attojoule", 1e18L},
    {"erg", 1e7L},
    {"gigawatt-hour", 2.77777777778e-13L},
    {"megawatt-hour", 2.77777777778e-10L},
    {"kilowatt-hour", 2.77777777778e-7L},
    {"watt-hour", 0.000277777777778L},
    {"watt-second", 1.0L},
    {"horsepower-hour", 3.72506136e-7L},
    {"kilocalorie", 0.000238845896627L},
    {"calorie", 0.238845896627L},
    {"BTU", 0.000947817120313L},
    {"newton-meter", 1.0L},
    {"dyne-centimeter", 1e7L},
    {"gram force-centimeter", 10197.1621298L},
    {"pound force-foot", 0.737562149277L},
    {"pound force-inch", 8.85074579134L},
    {"ounce force-inch", 141.611932661L},
    {"poundal-foot", 23.7303604042L},
    {"therm", 9.47813394499e-9L},
    {"megaelectron volt", 6.241509074460762607776241e12L},
    {"kiloelectron volt", 6.241509074460762607776241e15L},
    {"electron volt", 6.241509074460762607776241e18L},
};

constexpr UnitEntry PowerUnits[] = {
    {"megawatt", 1e-6L},
    {"kilowatt", 0.001L},
    {"watt", 1.0L},
    {"milliwatt", 1000.0L},
    {"horsepower", 0.0013410220896L},
    {"horsepower (boiler)", 0.00010194199500484224476273L},
    {"BTU/hour", 3.412141633127941920046026L},
    {"BTU/minute", 0.0568690272187990320007671L},
    {"BTU/second", 0.000947817120313317200012785L},
    {"kilocalorie/second", 0.0002388458966274959396197573L},
    {"calorie/second", 0.2388458966274959396197573L},
    {"pound-foot/minute", 44.2537289567L},
    {"pound-foot/second", 0.737562149278L},
    {"ton (refrigeration)", 0.0002843451360939951600038355L},
};

constexpr UnitEntry PressureUnits[] = {
    {"megapascal", 1e-6L},
    {"kilopascal", 0.001L},
    {"pascal", 1.0L},
    {"bar", 1e-5L},
    {"millibar", 0.01L},
    {"microbar", 10.0L},
    {"atmosphere", 9.86923266716e-6L},
    {"psi", 0.00014503773773L},
    {"dyne/centimeter²", 10.0L},
    {"kilogram/meter²", 0.101971621298L},
    {"kilogram/centimeter²", 1.01971621298e-5L},
    {"ton/foot²", 1.04427171166e-5L},
    {"ton/inch²", 7.2518868865e-8L},
    {"pound/foot²", 0.0208854342331L},
    {"pound/inch²", 0.00014503773773L},
    {"torr", 0.00750061682704L},
    {"centimeter mercury (0°C)", 0.000750061682704L},
    {"millimeter mercury (0°C)", 0.00750061682704L},
    {"inch mercury (32°F)", 0.00029529987508L},
    {"inch water (60°F)", 0.00401864651985L},
};

constexpr UnitEntry FlowUnits[] = {
    {"gallon/day", 1440.0L},
    {"gallon/hour", 60.0L},
    {"gallon/minute", 1.0L},
    {"gallon/second", 0.0166666666667L},
    {"gallon (UK)/day", 1199.050825865743968993135L},
    {"gallon (UK)/hour", 49.96045107773933204138061L},
    {"gallon (UK)/minute", 0.8326741846289888673563436L},
    {"gallon (UK)/second", 0.01387790307714981445593906L},
    {"ounce/hour", 7680.0L},
    {"ounce/minute", 128.0L},
    {"ounce/second", 2.13333333333L},
    {"ounce (UK)/hour", 7993.672172438293126620898L},
    {"ounce (UK)/minute", 133.227869540638218777015L},
    {"ounce (UK)/second", 2.22046449234397031295025L},
    {"liter/day", 5450.99296896L},
    {"liter/hour", 227.12470704L},
    {"liter/minute", 3.785411784L},
    {"liter/second", 0.0630901964L},
    {"milliliter/hour", 227124.70704L},
    {"milliliter/minute", 3785.411784L},
    {"milliliter/second", 63.0901964L},
    {"meter³/day", 5.45099296896L},
    {"meter³/hour", 0.22712470704L},
    {"meter³/minute", 0.003785411784L},
    {"meter³/second", 6.30901964e-5L},
    {"centimeter³/hour", 227124.70704L},
    {"centimeter³/minute", 3785.411784L},
    {"centimeter³/second", 63.0901964L},
    {"yard³/hour", 0.297067901234L},
    {"yard³/minute", 0.00495113168723L},
    {"yard³/second", 8.25188614538e-5L},
    {"foot³/hour", 8.0208333333L},
    {"foot³/minute", 0.133680555555L},
    {"foot³/second", 0.00222800925925L},
};

constexpr UnitEntry TemperatureUnits[] = {
    {"Celsius", UnitId(TemperatureUnit::Celsius)},
    {"Fahrenheit", UnitId(TemperatureUnit::Fahrenheit)},
    {"Kelvin", UnitId(TemperatureUnit::Kelvin)},
    {"Rankine", UnitId(TemperatureUnit::Rankine)},
    {"Réaumur", UnitId(TemperatureUnit::Reaumur)},
};

constexpr UnitEntry AngleUnits[] = {
    {"degree", 1.0L},
    {"radian", 0.0174532925199432957692369076848861271344L},
    {"grade", 10.0L / 9.0L},
    {"minute", 60.0L},
    {"second", 3600.0L},
    {"revolution", 1.0L / 360.0L},
    {"circle", 1.0L / 360.0L},
    {"turn", 1.0L / 360.0L},
    {"quadrant", 1.0L / 90.0L},
    {"right angle", 1.0L / 90.0L},
    {"sextant", 1.0L / 60.0L},
    {"octant", 1.0L / 45.0L},
};

constexpr UnitEntry LightUnits[] = {
    {"foot-candle", 1.0L},
    {"meter-candle", 10.7639104167L},
    {"flame", 0.25L},
    {"lux", 10.7639104167L},
    {"phot", 0.00107639104167L},
    {"sb", 0.0003426259099635390526916746L},
    {"lambert", 0.001076391041670972230833351L},
};

constexpr UnitEntry NumbersUnits[] = {
    {"binary", UnitId(NumbersUnit::Binary)},
    {"octal", UnitId(NumbersUnit::Octal)},
    {"decimal", UnitId(NumbersUnit::Decimal)},
    {"hexadecimal", UnitId(NumbersUnit::Hexadecimal)},
    {"Roman numeral", UnitId(NumbersUnit::RomanNumeral)},
    {"base-2", BaseNUnitId(2)},
    {"base-3", BaseNUnitId(3)},
    {"base-4", BaseNUnitId(4)},
    {"base-5", BaseNUnitId(5)},
    {"base-6", BaseNUnitId(6)},
    {"base-7", BaseNUnitId(7)},
    {"base-8", BaseNUnitId(8)},
    {"base-9", BaseNUnitId(9)},
    {"base-10", BaseNUnitId(10)},
    {"base-11", BaseNUnitId(11)},
    {"base-12", BaseNUnitId(12)},
    {"base-13", BaseNUnitId(13)},
    {"base-14", BaseNUnitId(14)},
    {"base-15", BaseNUnitId(15)},
    {"base-16", BaseNUnitId(16)},
    {"base-17", BaseNUnitId(17)},
    {"base-18", BaseNUnitId(18)},
    {"base-19", BaseNUnitId(19)},
    {"base-20", BaseNUnitId(20)},
    {"base-21", BaseNUnitId(21)},
    {"base-22", BaseNUnitId(22)},
    {"base-23", BaseNUnitId(23)},
    {"base-24", BaseNUnitId(24)},
    {"base-25", BaseNUnitId(25)},
    {"base-26", BaseNUnitId(26)},
    {"base-27", BaseNUnitId(27)},
    {"base-28", BaseNUnitId(28)},
    {"base-29", BaseNUnitId(29)},
    {"base-30", BaseNUnitId(30)},
    {"base-31", BaseNUnitId(31)},
    {"base-32", BaseNUnitId(32)},
    {"base-33", BaseNUnitId(33)},
    {"base-34", BaseNUnitId(34)},
    {"base-35", BaseNUnitId(35)},
    {"base-36", BaseNUnitId(36)},
};

constexpr UnitEntry FractionsUnits[] = {
    {"[im]proper fraction", UnitId(FractionsUnit::ImproperFraction)},
    {"mixed number", UnitId(FractionsUnit::MixedNumber)},
};

constexpr UnitEntry DynamicViscosityUnits[] = {
    {"newton-second/meter²", 1.0L},
    {"millinewton-second/meter²", 1000.0L},
    {"dyne-second/centimeter²", 10.0L},
    {"poise", 10.0L},
    {"centipoise", 1000.0L},
    {"pound force-second/foot²", 0.0208854342332L},
    {"poundal-second/foot²", 0.67196897514L},
    {"gram/centimeter-second", 10.0L},
    {"slug/foot-second", 0.0208854342332L},
    {"pound/foot-second", 0.67196897514L},
};

constexpr UnitEntry KinematicViscosityUnits[] = {
    {"stoke", 1.0L},
    {"centistoke", 100.0L},
    {"meter²/second", 0.0001L},
    {"centimeter²/second", 1.0L},
    {"millimeter²/second", 100.0L},
    {"foot²/second", 0.00107639104167L},
};

constexpr UnitEntry ConductivityUnits[] = {
    {"mho", 1.0L},
    {"micromho", 1000000.0L},
    {"siemens", 1.0L},
    {"microsiemens", 1000000.0L},
    {"statmho", 8.9875517873681764e11L},
};

constexpr UnitEntry ThermalConductivityUnits[] = {
    {"BTU-inch/hour-foot²-°F", 1.0L},
    {"BTU/hour-foot-°F", 0.0833333333333L},
    {"calorie/second-centimeter-°C", 0.000344482394363L},
    {"kilowatt/meter-K", 0.0001442278888642825896762905L},
    {"watt/meter-K", 0.1442278888642825896762905L},
    {"watt/centimeter-°C", 0.001442278888642825896762905L},
};
// clang-format on

constexpr std::array<std::span<const UnitEntry>, CategoryCount> CatalogueTables{{
    LengthUnits,
    AreaUnits,
    VolumeUnits,
    VolumeDryUnits,
    TimeUnits,
    SpeedUnits,
    MassUnits,
    DensityUnits,
    ForceUnits,
    EnergyUnits,
    PowerUnits,
    PressureUnits,
    FlowUnits,
    TemperatureUnits,
    AngleUnits,
    LightUnits,
    NumbersUnits,
    FractionsUnits,
    DynamicViscosityUnits,
    KinematicViscosityUnits,
    ConductivityUnits,
    ThermalConductivityUnits,
}};

constexpr std::array<CategoryInfo, CategoryCount> Categories{{
    {"Length", "Length", CategoryKind::Linear},
    {"Area", "Area", CategoryKind::Linear},
    {"Volume", "Volume", CategoryKind::Linear},
    {"Volume - Dry", "DryVolume", CategoryKind::Linear},
    {"Time", "Time", CategoryKind::Linear},
    {"Speed", "Speed", CategoryKind::Linear},
    {"Mass", "Mass", CategoryKind::Linear},
    {"Density", "Density", CategoryKind::Linear},
    {"Force", "Force", CategoryKind::Linear},
    {"Energy", "Energy", CategoryKind::Linear},
    {"Power", "Power", CategoryKind::Linear},
    {"Pressure", "Pressure", CategoryKind::Linear},
    {"Flow", "Flow", CategoryKind::Linear},
    {"Temperature", "Temperature", CategoryKind::Temperature},
    {"Angle", "Angle", CategoryKind::Linear},
    {"Light", "Light", CategoryKind::Linear},
    {"Numbers", "Numbers", CategoryKind::NumberBase},
    {"Fractions", "Fractions", CategoryKind::Fraction},
    {"Dynamic Viscosity", "Viscosity1", CategoryKind::Linear},
    {"Kinematic Viscosity", "Viscosity2", CategoryKind::Linear},
    {"Conductivity", "Conductivity", CategoryKind::Linear},
    {"Thermal Conductivity", "ThermalConductivity", CategoryKind::Linear},
}};

} // namespace

const CategoryInfo& categoryInfo(int category)
{
    assert(category >= 0 && category < CategoryCount);
    return Categories[static_cast<std::size_t>(category)];
}

int Category_Index(std::string_view displayName)
{
    for (int category = 0; category < CategoryCount; ++category) {
        if (Categories[static_cast<std::size_t>(category)].DisplayName == displayName)
            return category;
    }
    return 0;
}

UnitCatalogue::UnitCatalogue()
{
    BuildUnitTables();
}

void UnitCatalogue::BuildUnitTables()
{
    for (std::size_t category = 0; category < tables_.size(); ++category)
        tables_[category].assign(CatalogueTables[category].begin(), CatalogueTables[category].end());
}

int UnitCatalogue::tableSize(int category) const
{
    return static_cast<int>(table(category).size());
}

const UnitEntry& UnitCatalogue::unit(int category, int position) const
{
    assert(position >= 1 && position <= tableSize(category));
    return table(category)[static_cast<std::size_t>(position - 1)];
}

const std::vector<UnitEntry>& UnitCatalogue::table(int category) const
{
    assert(category >= 0 && category < CategoryCount);
    return tables_[static_cast<std::size_t>(category)];
}

std::vector<UnitEntry>& UnitCatalogue::table(int category)
{
    assert(category >= 0 && category < CategoryCount);
    return tables_[static_cast<std::size_t>(category)];
}

int UnitCatalogue::totalUnitCount() const
{
    int total = 0;
    for (const auto& units : tables_)
        total += static_cast<int>(units.size());
    return total;
}

} // namespace velmar
