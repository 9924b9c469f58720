#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/cli/converter_process.h"

namespace {

using QueryCase = ConverterCase;

class Query : public testing::TestWithParam<QueryCase> { };

TEST_P(Query, PrintsTheResult)
{
    const ProcessResult run = RunConverter(GetParam().Arguments);
    EXPECT_EQ(run.Out, GetParam().Out + "\n");
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.ExitStatus, GetParam().ExitStatus);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Query,
    testing::Values(QueryCase{{"60", "mph", "km/h"}, "96.56064", 0},
                    QueryCase{{"60", "mph", "to", "km/h"}, "96.56064", 0}, QueryCase{{"60 mph to km/h"}, "96.56064", 0},
                    QueryCase{{"72", "F", "in", "C"}, "22.22222222", 0}, QueryCase{{"1 atm -> mmHg"}, "760", 0},
                    QueryCase{{"1", "acre", "m2"}, "4046.87261", 0}, QueryCase{{"0x1F to decimal"}, "31", 0},
                    QueryCase{{"1994 to roman"}, "MCMXCIV", 0}, QueryCase{{"2.25 to mixed"}, "2 and 1/4", 0},
                    QueryCase{{"--category", "Angle", "90 minute to second"}, "5400", 0},
                    QueryCase{{"12a ft to m"}, "invalid number [3]", 1}));

INSTANTIATE_TEST_SUITE_P(Compound, Query,
                         testing::Values(QueryCase{{"5 ft 10 in to cm"}, "177.8", 0},
                                         QueryCase{{"1 lb 4 oz to g"}, "566.9904625", 0},
                                         QueryCase{{"1 ft 0 in to in"}, "12", 0},
                                         QueryCase{{"1 ft 1x in to in"}, "invalid number [2]", 1},
                                         QueryCase{{"1E4930 m 1E4930 m to mm"}, "result too large", 1}));

// The value is upper-cased as the input box does it, in every form.
INSTANTIATE_TEST_SUITE_P(UpperCase, Query,
                         testing::Values(QueryCase{{"mcmxciv roman to dec"}, "1994", 0},
                                         QueryCase{{"Numbers", "Roman numeral", "decimal", "mcm"}, "1900", 0},
                                         QueryCase{{"1e3 m to km"}, "1", 0}));

INSTANTIATE_TEST_SUITE_P(
    Explained, Query,
    testing::Values(QueryCase{{"--explain", "60 mph to km/h"}, "60 mile/hour = 96.56064 kilometer/hour (Speed)", 0},
                    QueryCase{{"-v", "5 ft 10 in to cm"}, "5 foot 10 inch = 177.8 centimeter (Length)", 0},
                    QueryCase{{"-v", "1x m to ft"}, "1X meter to foot: invalid number [2] (Length)", 1}));

struct RefusedCase {
    std::vector<std::string> Arguments;
    std::vector<std::string> MessageParts; // in this order on standard error
};

class RefusedQuery : public testing::TestWithParam<RefusedCase> { };

TEST_P(RefusedQuery, ExplainsEveryProblemWithStatusTwo)
{
    const ProcessResult run = RunConverter(GetParam().Arguments);
    EXPECT_EQ(run.Out, "");
    std::size_t from = 0;
    for (const std::string& part : GetParam().MessageParts) {
        from = run.Err.find(part, from);
        EXPECT_NE(from, std::string::npos) << part << " in " << run.Err;
    }
    EXPECT_EQ(run.ExitStatus, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RefusedQuery,
    testing::Values(RefusedCase{{"1 metrr to ft"}, {"unknown unit \"metrr\"; did you mean meter"}},
                    RefusedCase{{"3 farenheit to C"}, {"did you mean Fahrenheit?"}},
                    RefusedCase{{"1 kilom to m"}, {"did you mean kilometer"}},
                    RefusedCase{{"5 fet 2 inchs to xyzzy"},
                                {"unknown unit \"fet\"; did you mean ft or feet?", "unknown unit \"inchs\"",
                                 "unknown unit \"xyzzy\"", "--help"}},
                    RefusedCase{{"1 minute to second"}, {"Time and Angle", "--category"}},
                    RefusedCase{{"--precision", "19", "1 m to ft"}, {"--precision must be from 0 to 18"}},
                    RefusedCase{{"--precision=-1", "1 m to ft"}, {"--precision must be from 0 to 18"}}));

TEST(ShortOptions, HelpAndVersion)
{
    EXPECT_EQ(RunConverter({"-h"}).Out, RunConverter({"--help"}).Out);
    EXPECT_EQ(RunConverter({"-V"}).Out, RunConverter({"--version"}).Out);
    EXPECT_EQ(RunConverter({"--precision", "18", "--format", "fixed", "1 m to m"}).Out, "1.000000000000000000\n");
}

TEST(Json, OneObjectAReaderParses)
{
    const struct {
        std::vector<std::string> Arguments;
        const char* Category; // nullptr: null
        const char* Result;
        const char* Error;
        int ExitStatus;
    } rows[] = {
        {{"--json", "60 mph to km/h"}, "Speed", "96.56064", nullptr, 0},
        {{"--json", "12a \"ft\" to m"}, nullptr, nullptr, "unknown unit \"\\\"ft\\\"\"", 2},
        {{"--json", "12a ft to m"}, "Length", nullptr, "invalid number [3]", 1},
        {{"--json", "Length", "meter", "foot", "1"}, "Length", "3.280839895", nullptr, 0},
    };
    for (const auto& row : rows) {
        const ProcessResult run = RunConverter(row.Arguments);
        EXPECT_EQ(run.ExitStatus, row.ExitStatus) << run.Out;
        const nlohmann::json answer = nlohmann::json::parse(run.Out);
        EXPECT_EQ(answer["category"].is_null(), row.Category == nullptr) << run.Out;
        if (row.Category) {
            EXPECT_EQ(answer["category"], row.Category);
        }
        if (row.Result) {
            EXPECT_EQ(answer["result"], row.Result);
        }
        if (row.Error) {
            EXPECT_NE(answer["error"].get<std::string>().find(row.Error), std::string::npos) << run.Out;
        }
    }
}

} // namespace
