#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/cli/converter_process.h"

namespace {

using Case = ConverterCase;

class SingleConversion : public testing::TestWithParam<Case> { };

TEST_P(SingleConversion, PrintsTheResultBoxTextAndItsStatus)
{
    const Case& c = GetParam();
    const ProcessResult run = RunConverter(c.Arguments);
    EXPECT_EQ(run.Out, c.Out + "\n");
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.ExitStatus, c.ExitStatus);
}

// Celsius to Celsius passes the value through untouched, so these rows show
// the formats themselves.
INSTANTIATE_TEST_SUITE_P(
    Formats, SingleConversion,
    testing::Values(
        Case{{"Temperature", "Celsius", "Celsius", "1234.5"}, "1234.5", 0},
        Case{{"--format", "auto", "Temperature", "Celsius", "Celsius", "12345678901"}, "1.23456789E10", 0},
        Case{{"--format", "scientific", "Temperature", "Celsius", "Celsius", "1234.5"}, "1.235E+003", 0},
        Case{{"--format=scientific", "--precision=0", "Temperature", "Celsius", "Celsius", "1234.5"}, "1.2E+003", 0},
        Case{{"--format", "fixed", "Temperature", "Celsius", "Celsius", "1234.5"}, "1234.5000", 0},
        Case{{"--format", "fixed", "--precision", "0", "Temperature", "Celsius", "Celsius", "-2.5"}, "-3", 0},
        Case{{"--format", "commas", "Temperature", "Celsius", "Celsius", "12345678901"}, "12,345,678,901.0000", 0},
        Case{{"--format", "commas", "--precision", "2", "--decimal-mark", ",", "--thousands-mark", ".", "Temperature",
              "Celsius", "Celsius", "1234.5"},
             "1.234,50",
             0},
        Case{{"--format", "commas", "--thousands-mark", "’", "Temperature", "Celsius", "Celsius", "1234567"},
             "1’234’567.0000",
             0}));

INSTANTIATE_TEST_SUITE_P(
    Categories, SingleConversion,
    testing::Values(Case{{"Length", "foot", "inch", "5"}, "60", 0}, Case{{"Length", "inch", "foot", "12"}, "1", 0},
                    Case{{"Length", "meter", "kilometer", "1E4932"}, "1E4929", 0},
                    Case{{"Temperature", "Fahrenheit", "Celsius", "-40"}, "-40", 0},
                    Case{{"Temperature", "Kelvin", "Rankine", "0"}, "2.775557562E-17", 0},
                    Case{{"Numbers", "hexadecimal", "decimal", "ff"}, "255", 0},
                    Case{{"Numbers", "decimal", "Roman numeral", "1994"}, "MCMXCIV", 0},
                    Case{{"Fractions", "-", "mixed number", "2.25"}, "2 and 1/4", 0},
                    Case{{"Fractions", "", "[im]proper fraction", "-1.25"}, "5/-4", 0},
                    Case{{"Temperature", "Celsius", "Fahrenheit", ""}, "", 0},
                    Case{{"Temperature", "Celsius", "Fahrenheit", "--", "--5"}, "invalid number [2]", 1}));

// Names: exact first, then a unique match ignoring case, accents included.
INSTANTIATE_TEST_SUITE_P(Names, SingleConversion,
                         testing::Values(Case{{"temperature", "CELSIUS", "réaumur", "100"}, "80", 0},
                                         Case{{"TEMPERATURE", "RÉAUMUR", "celsius", "80"}, "100", 0},
                                         Case{{"numbers", "ROMAN NUMERAL", "Decimal", "MCMXCIV"}, "1994", 0},
                                         Case{{"Area", "METER²", "meter²", "2"}, "2", 0}));

// The names a query takes, and the positions --list gives; a display name
// still wins over an alias that folds to it.
INSTANTIATE_TEST_SUITE_P(OtherNames, SingleConversion,
                         testing::Values(Case{{"Speed", "mph", "km/h", "60"}, "96.56064", 0},
                                         Case{{"Temperature", "F", "C", "72"}, "22.22222222", 0},
                                         Case{{"Area", "acre", "m2", "1"}, "4046.87261", 0},
                                         Case{{"Mass", "lbs", "kg", "180"}, "81.6466266", 0},
                                         Case{{"Length", "feet", "metres", "1"}, "0.3048", 0},
                                         Case{{"Length", "20", "19", "3"}, "1", 0},
                                         Case{{"Length", "020", "foot", "1"}, "1", 0}));

// The converters' error texts are results too, but exit with status 1.
INSTANTIATE_TEST_SUITE_P(
    ErrorTexts, SingleConversion,
    testing::Values(Case{{"Temperature", "Celsius", "Kelvin", "12a"}, "invalid number [3]", 1},
                    Case{{"Temperature", "Celsius", "Kelvin", "1e5"}, "100273.15", 0},
                    Case{{"Length", "meter", "millimeter", "1E4932"}, "result too large", 1},
                    Case{{"Numbers", "decimal", "hexadecimal", "2147483648"}, "result too large", 1},
                    Case{{"Numbers", "binary", "decimal", "12"}, "invalid binary number", 1},
                    Case{{"Numbers", "base-3", "decimal", "3"}, "invalid base-3 number", 1},
                    Case{{"Numbers", "Roman numeral", "decimal", "mcmz"}, "invalid Roman numeral", 1},
                    Case{{"Fractions", "-", "mixed number", "0.3333333333"}, "decimal too precise", 1}));

TEST(SingleConversionFault, ReportsTheFaultOnStandardError)
{
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"Length", "meter", "foot", "1E4933"},
             {"Temperature", "Celsius", "Fahrenheit", "1E4932"},
         }) {
        const ProcessResult run = RunConverter(arguments);
        EXPECT_EQ(run.Out, "") << arguments.back();
        EXPECT_EQ(run.Err, "error: Floating point overflow.\n");
        EXPECT_EQ(run.ExitStatus, 1);
    }
}

struct UsageCase {
    std::vector<std::string> Arguments;
    std::string MessagePart; // what the message on standard error must say
};

std::ostream& operator<<(std::ostream& out, const UsageCase& c)
{
    return out << c.MessagePart;
}

class UsageError : public testing::TestWithParam<UsageCase> { };

TEST_P(UsageError, ExplainsOnStandardErrorWithStatusTwo)
{
    const ProcessResult run = RunConverter(GetParam().Arguments);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find(GetParam().MessagePart), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("--help"), std::string::npos) << run.Err;
    EXPECT_EQ(run.ExitStatus, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Names, UsageError,
    testing::Values(UsageCase{{"Lenght", "meter", "foot", "1"},
                              "unknown category \"Lenght\"; did you mean Length or Light?"},
                    UsageCase{{"Length", "kilo", "meter", "1"},
                              "unknown unit \"kilo\" in category \"Length\"; did you mean kilometer or kiloparsec?"},
                    UsageCase{{"Length", "meter", "metrex", "1"}, "did you mean meter"},
                    UsageCase{{"Temperature", "Réaumurx", "Celsius", "1"}, "unknown unit \"Réaumurx\""},
                    UsageCase{{"Length", "", "meter", "1"}, "FROM must name a unit of \"Length\""},
                    UsageCase{{"Length", "meter", "", "1"}, "TO must name a unit of \"Length\""},
                    UsageCase{{"Fractions", "decimal", "mixed number", "1.5"}, "Fractions has no source unit"},
                    UsageCase{{"Length", "0", "foot", "1"}, "unknown unit \"0\""},
                    UsageCase{{"Length", "+20", "foot", "1"}, "unknown unit \"+20\""},
                    UsageCase{{"Length", "999", "foot", "1"}, "unknown unit \"999\""}));

INSTANTIATE_TEST_SUITE_P(
    Options, UsageError,
    testing::Values(
        UsageCase{{}, "or CATEGORY FROM TO VALUE; got 0 arguments"},
        UsageCase{{"Length", "meter", "foot"}, "got 3 arguments"},
        UsageCase{{"Length", "meter", "foot", "1", "2"}, "got 5 arguments"},
        UsageCase{{"--format", "engineering", "Length", "meter", "foot", "1"}, "unknown format \"engineering\""},
        UsageCase{{"--precision", "2.5", "Length", "meter", "foot", "1"}, "--precision needs a whole number"},
        UsageCase{{"--precision", "99999999999", "Length", "meter", "foot", "1"}, "--precision needs a whole number"},
        UsageCase{{"Length", "meter", "foot", "1", "--precision"}, "--precision needs a value"},
        UsageCase{{"--decimal-mark", "ab", "Length", "meter", "foot", "1"},
                  "--decimal-mark needs a single printable character"},
        UsageCase{{"--thousands-mark", "\t", "Length", "meter", "foot", "1"},
                  "--thousands-mark needs a single printable"},
        UsageCase{{"--thousands-mark=", "Length", "meter", "foot", "1"}, "--thousands-mark needs a single printable"},
        UsageCase{{"--colour", "Length", "meter", "foot", "1"}, "unknown option \"--colour\""},
        UsageCase{{"--batch=yes"}, "--batch takes no value"},
        UsageCase{{"--batch", "--list"}, "--batch and --list cannot be combined"},
        UsageCase{{"--batch", "--format", "fixed"}, "--format does not apply to --batch"},
        UsageCase{{"--batch", "Length"}, "--batch reads its requests from standard input"},
        UsageCase{{"--list", "--precision", "3"}, "--precision does not apply to --list"},
        UsageCase{{"--batch", "--category", "Mass"}, "--category does not apply to --batch"},
        UsageCase{{"--batch", "-v"}, "--explain does not apply to --batch"},
        UsageCase{{"--list", "--category", "Mass"}, "give the category as --list CATEGORY"},
        UsageCase{{"--list", "--json"}, "--json does not apply to --list"},
        UsageCase{{"--list", "Length", "Area"}, "--list takes at most one CATEGORY"},
        UsageCase{{"--list", "Lenght"}, "unknown category \"Lenght\""}));

TEST(List, CategoriesInCatalogueOrder)
{
    const ProcessResult run = RunConverter({"--list"});
    const std::vector<std::string> lines = LinesOf(run.Out);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines.front(), "Length");
    EXPECT_EQ(lines[17], "Fractions");
    EXPECT_EQ(lines.back(), "Thermal Conductivity");
    EXPECT_EQ(run.ExitStatus, 0);
}

TEST(List, UnitsWithTheirPositions)
{
    const ProcessResult temperature = RunConverter({"--list", "temperature"});
    EXPECT_EQ(temperature.Out, "1\tCelsius\n2\tFahrenheit\n3\tKelvin\n4\tRankine\n5\tRéaumur\n");
    EXPECT_EQ(temperature.ExitStatus, 0);

    const std::vector<std::string> numbers = LinesOf(RunConverter({"--list", "Numbers"}).Out);
    ASSERT_EQ(numbers.size(), 40u);
    EXPECT_EQ(numbers.back(), "40\tbase-36");
}

// Linear units carry what one of them is, as the help pages give it.
TEST(List, LinearUnitsWithTheirDefinitions)
{
    const struct {
        const char* Category;
        std::size_t Line;
        const char* Text;
    } rows[] = {
        {"Length", 4, "4\tmeter\t1 meter"},
        {"Length", 20, "20\tfoot\t0.3048 meter"},
        {"Power", 7, "7\tBTU/hour\t0.2930710702 watt"},
        {"Light", 6, "6\tsb\t31415.92654 lux"},
        {"Volume - Dry", 3, "3\tpint\t0.5506104714 liter"},
    };
    for (const auto& row : rows) {
        const std::vector<std::string> lines = LinesOf(RunConverter({"--list", row.Category}).Out);
        ASSERT_GE(lines.size(), row.Line) << row.Category;
        EXPECT_EQ(lines[row.Line - 1], row.Text);
    }
}

TEST(Information, HelpAndVersionWinOverOtherArguments)
{
    const ProcessResult help = RunConverter({"Length", "--colour", "--help"});
    EXPECT_EQ(help.Out.rfind("Usage: velmar-convert [OPTIONS] CATEGORY FROM TO VALUE\n", 0), 0u);
    EXPECT_NE(help.Out.find("--batch"), std::string::npos);
    EXPECT_EQ(help.ExitStatus, 0);

    const ProcessResult version = RunConverter({"--version"});
    EXPECT_EQ(version.Out, "velmar-convert 1.73\n");
    EXPECT_EQ(version.ExitStatus, 0);
}

} // namespace
