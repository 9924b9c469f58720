#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/cli/converter_process.h"

namespace {

struct Exchange {
    std::string Request;
    std::string Reply;
};

// Sends all requests in one run and checks that every one got its own reply,
// in order: a bad line must neither stop the run nor shift later replies.
void expectReplies(const std::vector<Exchange>& exchanges, const std::vector<std::string>& options = {})
{
    std::string input;
    for (const Exchange& exchange : exchanges)
        input += exchange.Request + "\n";
    std::vector<std::string> arguments{"--batch"};
    arguments.insert(arguments.end(), options.begin(), options.end());

    const ProcessResult run = RunConverter(arguments, input);
    const std::vector<std::string> replies = LinesOf(run.Out);
    ASSERT_EQ(replies.size(), exchanges.size()) << run.Out;
    for (std::size_t i = 0; i < exchanges.size(); ++i)
        EXPECT_EQ(replies[i], exchanges[i].Reply) << "request line " << i + 1 << ": " << exchanges[i].Request;
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.ExitStatus, 0);
}

TEST(Batch, AnswersEveryLineInOrderAndGoesOnAfterBadOnes)
{
    expectReplies({
        {"Length\tfoot\tinch\t5", "60"},
        {"Temperature\tCelsius\tFahrenheit\t100", "212"},
        {"Numbers\tdecimal\thexadecimal\t255", "FF"},
        {"Fractions\t\tmixed number\t12.5", "12 and 1/2"},
        {"Fractions\tignored\t[im]proper fraction\t0.75", "3/4"},
        {"Temperature\tCelsius\tKelvin\t12a", "invalid number [3]"},
        {"Length\tmeter\tfoot\t1E4933", "error: Floating point overflow."},
        {"Temperature\tCelsius\tFahrenheit\t1E4932", "error: Floating point overflow."},
        {"Length\tmeter\tmillimeter\t1E4932", "result too large"},
        {"Lenght\tmeter\tfoot\t1", "error: unknown category \"Lenght\""},
        {"Length\tmetrex\tfoot\t1", "error: unknown unit \"metrex\" in category \"Length\""},
        {"Length\tmetre\tft\t1", "3.280839895"},
        {"Speed\tmph\tkm/h\t60", "96.56064"},
        {"Length\t20\tinch\t5", "60"},
        {"Length\tmeter\tfoot",
         "error: malformed line: expected at least 4 tab-separated fields (category, source "
         "unit, target unit, input), found 3"},
        {"",
         "error: malformed line: expected at least 4 tab-separated fields (category, source unit, target unit, "
         "input), found 1"},
        {"Length\tmeter\tfoot\t1\t2\t3\t", "error: malformed line: more than 6 tab-separated fields"},
        {"Length\tmeter\tmeter\t1\tfixed", "error: malformed line: ViewType \"fixed\" is not a 32-bit integer"},
        {"Length\tmeter\tmeter\t1\t2\t2147483648",
         "error: malformed line: Precision \"2147483648\" is not a 32-bit integer"},
        {"temperature\tRÉAUMUR\tcelsius\t80", "100"},
        {"Length\tmeter\tfoot\t0", "0"},
    });
}

TEST(Batch, EmptyFieldsGiveEmptyResults)
{
    expectReplies({
        {"Length\tmeter\tfoot\t", ""},
        {"Length\t\tfoot\t5", ""},
        {"Length\tmeter\t\t5", ""},
        {"Fractions\tanything\t\t0.5", ""},
        {"Numbers\t\t\t", ""},
    });
}

TEST(Batch, OptionalViewTypeAndPrecision)
{
    expectReplies(
        {
            {"Temperature\tCelsius\tCelsius\t1234.5", "1234,5"},
            {"Temperature\tCelsius\tCelsius\t1234.5\t2", "1,235E+003"},
            {"Temperature\tCelsius\tCelsius\t1234.5\t2\t0", "1,2E+003"},
            {"Temperature\tCelsius\tCelsius\t1234.5\t3\t1", "1234,5"},
            {"Temperature\tCelsius\tCelsius\t1234.5\t4\t2", "1.234,50"},
            {"Temperature\tCelsius\tCelsius\t1234.5\t\t2", "1234,5"},
            {"Temperature\tCelsius\tCelsius\t1234.5\t3\t", "1234,5000"},
            {"Temperature\tCelsius\tCelsius\t1234.5\t9\t2", "1234,5"},
            {"Temperature\tCelsius\tCelsius\t1234.5\t-2147483648\t-1", "1234,5"},
            {"Temperature\tCelsius\tCelsius\t1234.5\t3\t-1", "1234,50"},
        },
        {"--decimal-mark", ",", "--thousands-mark", "."});
}

TEST(Batch, LineEnds)
{
    const std::string emptyLineReply = "error: malformed line: expected at least 4 tab-separated fields (category, "
                                       "source unit, target unit, input), found 1\n";
    struct Case {
        std::string Input;
        std::string Out;
    };
    const std::vector<Case> cases{
        {"", ""},
        {"Numbers\tdecimal\tbinary\t5", "101\n"},
        {"Numbers\tdecimal\tbinary\t5\r\nNumbers\tdecimal\tbinary\t6\r\n", "101\n110\n"},
        {"Numbers\tdecimal\tbinary\t5\r", "101\n"},
        {"Numbers\tdecimal\tbinary\t5\r\r\n", "invalid decimal number\n"},
        {"\n\r\n", emptyLineReply + emptyLineReply},
    };
    for (const Case& c : cases) {
        const ProcessResult run = RunConverter({"--batch"}, c.Input);
        EXPECT_EQ(run.Out, c.Out) << testing::PrintToString(c.Input);
        EXPECT_EQ(run.ExitStatus, 0);
    }
}

TEST(Batch, SurvivesHugeLinesInvalidUtf8AndNulBytes)
{
    const std::string huge(6 << 20, '1');
    const std::string nul("\0", 1);
    const std::vector<Exchange> exchanges{
        {"Numbers\tbinary\tdecimal\t" + huge, "result too large"},
        {"Numbers\tbase-3\tdecimal\t" + huge, "result too large"},
        {"Temperature\tCelsius\tKelvin\t" + huge, "error: Floating point overflow."},
        {"Temperature\tCelsius\tKelvin\t" + std::string(huge.size(), '0') + "5", "278.15"},
        {"Temperature\tCelsius\tKelvin\tx" + huge, "invalid number [1]"},
        {huge + "\tmeter\tfoot\t1", "error: unknown category \"" + std::string(60, '1') + "...\""},
        {"Length\tme" + nul + "ter\tfoot\t1", "error: unknown unit \"me\\x00ter\" in category \"Length\""},
        {"Length\tmeter\tfoot\t1" + nul, "invalid number [2]"},
        {"Temp\xC3\x28rature\tCelsius\tKelvin\t1", "error: unknown category \"Temp\\xC3(rature\""},
        {"Temperature\tR\xE9\x61umur\tKelvin\t1", "error: unknown unit \"R\\xE9aumur\" in category \"Temperature\""},
        {"Temperature\tCelsius\tKelvin\t\xFF\xFE", "invalid number [1]"},
        {"Temperature\tCelsius\tKelvin\t0", "273.15"},
    };
    expectReplies(exchanges);
}

TEST(Batch, ManyLinesAcrossReadBlocks)
{
    // Lines of varying length, so that line ends fall everywhere within the
    // reader's blocks.
    std::string input;
    std::string expected;
    for (int i = 0; i < 150000; ++i) {
        const std::string padding(static_cast<std::size_t>(i % 37), '0');
        input += "Temperature\tCelsius\tCelsius\t" + padding + std::to_string(i) + (i % 3 == 0 ? "\r\n" : "\n");
        expected += std::to_string(i) + "\n";
    }
    const ProcessResult run = RunConverter({"--batch"}, input);
    EXPECT_TRUE(run.Out == expected) << "the replies differ from the requests' numbers";
    EXPECT_EQ(run.ExitStatus, 0);
}

// A script that writes one request and waits for its reply before the next
// gets each reply at once, not when the input ends.
TEST(Batch, AnswersEachRequestBeforeWaitingForTheNext)
{
    ConverterCoprocess converter({"--batch"});
    for (const auto& [request, reply] : {std::pair{"Length\tft\tin\t5\n", "60"},
                                         {"Lenght\tm\tft\t1\n", "error: unknown category"},
                                         {"Temperature\tC\tF\t100\r\n", "212"}}) {
        converter.send(request);
        const std::optional<std::string> answer = converter.replyLine();
        ASSERT_TRUE(answer.has_value()) << "no reply to " << request;
        EXPECT_TRUE(answer->starts_with(reply)) << *answer;
    }
    EXPECT_EQ(converter.finish(), 0);
}

TEST(Batch, JsonGivesOneObjectPerLine)
{
    using nlohmann::json;
    const struct {
        std::string Request;
        json Reply;
    } rows[] = {
        {"Length\tft\tinch\t5",
         {{"category", "Length"},
          {"from", "foot"},
          {"to", "inch"},
          {"input", "5"},
          {"result", "60"},
          {"error", nullptr}}},
        {"Fractions\tignored\tmixed number\t2.25",
         {{"category", "Fractions"},
          {"from", nullptr},
          {"to", "mixed number"},
          {"input", "2.25"},
          {"result", "2 and 1/4"},
          {"error", nullptr}}},
        {"Length\tmeter\t\t1",
         {{"category", "Length"},
          {"from", "meter"},
          {"to", nullptr},
          {"input", "1"},
          {"result", ""},
          {"error", nullptr}}},
        {"Temperature\tCelsius\tKelvin\t12a",
         {{"category", "Temperature"},
          {"from", "Celsius"},
          {"to", "Kelvin"},
          {"input", "12a"},
          {"result", nullptr},
          {"error", "invalid number [3]"}}},
        {"Length\tmeter\tfoot\t1E4933",
         {{"category", "Length"},
          {"from", "meter"},
          {"to", "foot"},
          {"input", "1E4933"},
          {"result", nullptr},
          {"error", "Floating point overflow."}}},
        {"Lenght\tmeter\tfoot\t1",
         {{"category", nullptr},
          {"from", nullptr},
          {"to", nullptr},
          {"input", "Lenght\tmeter\tfoot\t1"},
          {"result", nullptr},
          {"error", "unknown category \"Lenght\""}}},
    };
    std::string input;
    for (const auto& row : rows)
        input += row.Request + "\n";
    const ProcessResult run = RunConverter({"--batch", "--json"}, input);
    const std::vector<std::string> replies = LinesOf(run.Out);
    ASSERT_EQ(replies.size(), std::size(rows)) << run.Out;
    for (std::size_t i = 0; i < replies.size(); ++i)
        EXPECT_EQ(json::parse(replies[i]), rows[i].Reply) << rows[i].Request;
    EXPECT_EQ(run.ExitStatus, 0);
}

} // namespace
