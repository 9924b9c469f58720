#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/unit_aliases.h"
#include "catalogue/unit_catalogue.h"
#include "cli/query.h"
#include "cli/query_names.h"
#include "cli/query_resolution.h"
#include "cli/suggestions.h"

namespace {

using namespace velmar;

const UnitCatalogue& catalogue()
{
    static const UnitCatalogue units;
    return units;
}

int positionOf(int category, std::string_view unit)
{
    const std::vector<UnitEntry>& table = catalogue().table(category);
    for (std::size_t position = 0; position < table.size(); ++position) {
        if (table[position].Name == unit)
            return static_cast<int>(position);
    }
    return -1;
}

TEST(UnitAliases, EveryLineNamesAUnitOfItsCategory)
{
    for (const UnitAliasLine& line : UnitAliasLines())
        EXPECT_GE(positionOf(line.Category, line.Unit), 0) << line.Unit;
}

// No alias names two units of one category, and none is shadowed by another
// unit's display name: each finds exactly the unit it was written for.
TEST(UnitAliases, NoAliasIsAmbiguousWithinACategory)
{
    for (int category = 0; category < CategoryCount; ++category) {
        std::map<std::string, std::string_view> unitOfName;
        for (const UnitEntry& entry : catalogue().table(category))
            unitOfName.emplace(entry.Name, entry.Name);
        for (const UnitEntry& entry : catalogue().table(category)) {
            std::vector<std::string> aliases = CuratedAliasesOf(category, entry.Name);
            for (std::string& spelling : DerivedSpellingsOf(category, entry.Name))
                aliases.push_back(std::move(spelling));
            for (const std::string& alias : aliases) {
                const auto [known, inserted] = unitOfName.emplace(alias, entry.Name);
                EXPECT_TRUE(inserted || known->second == entry.Name)
                    << alias << " names " << known->second << " and " << entry.Name;
                EXPECT_EQ(QueryUnitPosition(category, alias), positionOf(category, entry.Name)) << alias;
            }
        }
    }
}

struct AliasRow {
    int Category;
    std::vector<std::string> Aliases;
    std::string Unit;
};

TEST(UnitAliases, ResolveByFamily)
{
    const AliasRow rows[] = {
        {LengthIndex, {"m", "metre", "metres", "meters", "METER"}, "meter"},
        {LengthIndex, {"ft", "feet", "FT"}, "foot"},
        {LengthIndex, {"in", "inches"}, "inch"},
        {AreaIndex, {"m2", "m^2", "sq m", "square metre", "meter2", "metre^2"}, "meter²"},
        {AreaIndex, {"ft2", "sq ft", "square feet", "foot^2"}, "foot²"},
        {VolumeIndex, {"L", "l", "litre", "liters"}, "liter"},
        {VolumeIndex, {"mL", "ml", "millilitres"}, "milliliter"},
        {VolumeIndex, {"cu ft", "ft3", "foot^3"}, "foot³"},
        {VolumeIndex, {"fl oz", "oz"}, "ounce"},
        {MassIndex, {"lb", "lbs", "pounds"}, "pound"},
        {MassIndex, {"t", "tonne", "tonnes"}, "ton (metric)"},
        {MassIndex, {"g", "grams", "grammes"}, "gram"},
        {SpeedIndex, {"mph", "mile/hour"}, "mile/hour"},
        {SpeedIndex, {"km/h", "kmh", "kph", "kilometre/hour"}, "kilometer/hour"},
        {EnergyIndex, {"MJ"}, "megajoule"},
        {EnergyIndex, {"mJ"}, "millijoule"},
        {EnergyIndex, {"Btu", "BTU", "btu"}, "BTU"},
        {PressureIndex, {"mmHg", "millimeter mercury (0degC)", "millimetre mercury (0C)"}, "millimeter mercury (0°C)"},
        {TemperatureIndex, {"C", "°C", "degC", "c"}, "Celsius"},
        {TemperatureIndex, {"F", "degF", "fahrenheit"}, "Fahrenheit"},
        {TemperatureIndex, {"Reaumur", "reaumur", "°Re"}, "Réaumur"},
        {AngleIndex, {"°", "deg", "degrees"}, "degree"},
        {NumbersIndex, {"hex", "HEX"}, "hexadecimal"},
        {NumbersIndex, {"roman", "Roman numerals"}, "Roman numeral"},
        {FractionsIndex, {"fraction", "frac"}, "[im]proper fraction"},
        {FractionsIndex, {"mixed"}, "mixed number"},
    };
    for (const AliasRow& row : rows) {
        for (const std::string& alias : row.Aliases)
            EXPECT_EQ(QueryUnitPosition(row.Category, alias), positionOf(row.Category, row.Unit)) << alias;
    }
}

// Case alone tells some symbols apart; ignoring it must not pick one of them.
TEST(UnitAliases, CaseFoldingThatMeetsTwoUnitsFindsNeither)
{
    EXPECT_EQ(QueryUnitPosition(EnergyIndex, "mj"), std::nullopt);
    EXPECT_EQ(QueryUnitPosition(PowerIndex, "mw"), std::nullopt);
}

struct QueryRow {
    std::vector<std::string_view> Arguments;
    std::vector<std::pair<std::string, std::string>> Parts;
    std::string Target;
};

TEST(QueryWords, EachFormGivesItsPartsAndTarget)
{
    const QueryRow rows[] = {
        {{"60", "mph", "km/h"}, {{"60", "mph"}}, "km/h"},
        {{"60", "mph", "to", "km/h"}, {{"60", "mph"}}, "km/h"},
        {{"60 mph -> km/h"}, {{"60", "mph"}}, "km/h"},
        {{"60 mph in km/h"}, {{"60", "mph"}}, "km/h"},
        {{"5 ft 10 in to cm"}, {{"5", "ft"}, {"10", "in"}}, "cm"},
        {{"5 ft 10 in in cm"}, {{"5", "ft"}, {"10", "in"}}, "cm"},
        {{"10", "in", "cm"}, {{"10", "in"}}, "cm"},
        {{"3 nautical mile to fl oz"}, {{"3", "nautical mile"}}, "fl oz"},
        {{"3", "nautical mile", "km"}, {{"3", "nautical mile"}}, "km"},
        {{"2.25 to mixed"}, {{"2.25", ""}}, "mixed"},
        {{"0x1F", "to", "decimal"}, {{"1F", "hexadecimal"}}, "decimal"},
        {{"-40 F to C"}, {{"-40", "F"}}, "C"},
    };
    for (const QueryRow& row : rows) {
        const ParsedQuery parsed = ParseQuery(row.Arguments);
        ASSERT_EQ(parsed.Failure, "") << row.Arguments.front();
        ASSERT_EQ(parsed.Request.Parts.size(), row.Parts.size()) << row.Arguments.front();
        for (std::size_t i = 0; i < row.Parts.size(); ++i) {
            EXPECT_EQ(parsed.Request.Parts[i].Value, row.Parts[i].first);
            EXPECT_EQ(parsed.Request.Parts[i].Unit, row.Parts[i].second);
        }
        EXPECT_EQ(parsed.Request.Target, row.Target);
    }
}

TEST(QueryWords, WordsThatMakeNoQueryAreRefused)
{
    for (const std::vector<std::string_view>& arguments :
         std::vector<std::vector<std::string_view>>{{"  "}, {"60 nautical mile km"}, {"5 ft 10 to cm"}}) {
        EXPECT_NE(ParseQuery(arguments).Failure, "") << arguments.front();
    }
}

struct InferenceRow {
    std::string Query;
    int Category; // -1: refused
    std::string FailurePart;
};

TEST(CategoryInference, TheOneCategoryOfAllNames)
{
    const InferenceRow rows[] = {
        {"1 ounce to gram", MassIndex, ""},
        {"1 ounce to liter", VolumeIndex, ""},
        {"1 L to pt", VolumeIndex, ""},
        {"1 minute to second", -1, "name units of Time and Angle; choose one with --category"},
        {"1 mph to kg", -1, "\"mph\" is a unit of Speed; \"kg\" is a unit of Mass"},
        {"1 lenght to metre", -1, "unknown unit \"lenght\""},
        {"5 C 3 C to F", -1, "only linear categories add up parts"},
        {"1 m to", -1, "unknown unit"},
    };
    for (const InferenceRow& row : rows) {
        const std::string_view words[] = {row.Query};
        const ResolvedQuery resolved = ResolveQuery(ParseQuery(words).Request, std::nullopt);
        if (row.Category >= 0) {
            EXPECT_EQ(resolved.Failures, std::vector<std::string>{}) << row.Query;
            EXPECT_EQ(resolved.Category, row.Category) << row.Query;
        } else {
            ASSERT_FALSE(resolved.Failures.empty()) << row.Query;
            EXPECT_NE(resolved.Failures.front().find(row.FailurePart), std::string::npos) << resolved.Failures.front();
        }
    }
}

TEST(CategoryInference, AGivenCategorySettlesTheChoice)
{
    const std::string_view words[] = {"1 minute to second"};
    EXPECT_EQ(ResolveQuery(ParseQuery(words).Request, AngleIndex).Category, AngleIndex);
}

TEST(CategoryInference, EveryUnknownNameIsReported)
{
    const std::string_view words[] = {"5 fet 2 inchs to xyzzy"};
    EXPECT_EQ(ResolveQuery(ParseQuery(words).Request, std::nullopt).Failures.size(), 3u);
}

struct SuggestionRow {
    std::string Name;
    std::vector<std::string_view> Candidates;
    std::vector<std::string_view> Expected;
};

TEST(Suggestions, NearestFirstThenThoseBegun)
{
    const SuggestionRow rows[] = {
        {"Lenght", {"Area", "Length", "Light"}, {"Length", "Light"}},
        {"farenheit", {"Celsius", "Fahrenheit", "Kelvin"}, {"Fahrenheit"}},
        {"metre", {"meter", "liter", "metres"}, {"metres", "meter"}},
        {"kilom", {"mile", "kilometer", "kiloparsec", "kilogram"}, {"kilometer"}},
        {"xyzzy", {"meter", "foot"}, {}},
        {"ab", {"ab1", "ab2", "ab3", "ab4", "ab5", "ab6"}, {"ab1", "ab2", "ab3", "ab4", "ab5"}},
    };
    for (const SuggestionRow& row : rows)
        EXPECT_EQ(NearestNames(row.Name, row.Candidates), row.Expected) << row.Name;
}

TEST(Suggestions, EditDistanceCountsASwapAsOneEdit)
{
    EXPECT_EQ(EditDistance("Lenght", "length"), 1u);
    EXPECT_EQ(EditDistance("farenheit", "Fahrenheit"), 1u);
    EXPECT_EQ(EditDistance("", "abc"), 3u);
    EXPECT_EQ(EditDistance("kitten", "sitting"), 3u);
}

} // namespace
