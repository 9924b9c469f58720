#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/shell_words.h"

namespace {

struct SplitCase {
    std::string Line;
    std::vector<std::string> Words;
};

std::ostream& operator<<(std::ostream& out, const SplitCase& c)
{
    return out << '[' << c.Line << ']';
}

class ShellWordSplit : public testing::TestWithParam<SplitCase> { };

TEST_P(ShellWordSplit, SplitsAsAShellDoes)
{
    const velmar::ShellWords split = velmar::SplitShellWords(GetParam().Line);
    EXPECT_EQ(split.Failure, "");
    EXPECT_EQ(split.Words, GetParam().Words);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ShellWordSplit,
    testing::Values(SplitCase{"60 mph to km/h", {"60", "mph", "to", "km/h"}}, SplitCase{" \t60\t mph  ", {"60", "mph"}},
                    SplitCase{"", {}}, SplitCase{"  \t ", {}},
                    SplitCase{"Length \"nautical mile\" foot 3", {"Length", "nautical mile", "foot", "3"}},
                    SplitCase{"Length 'nautical mile' foot 3", {"Length", "nautical mile", "foot", "3"}},
                    SplitCase{"Length nautical\\ mile foot 3", {"Length", "nautical mile", "foot", "3"}},
                    SplitCase{"Fractions \"\" 'mixed number' 2.25", {"Fractions", "", "mixed number", "2.25"}},
                    SplitCase{"''", {""}}, SplitCase{"ab\"c d\"e'f g'", {"abc def g"}},
                    SplitCase{"'a\\b \"c\"'", {"a\\b \"c\""}},
                    SplitCase{"\"\\\" \\\\ \\$ \\` \\n\"", {"\" \\ $ ` \\n"}}, SplitCase{"a\\\"b", {"a\"b"}},
                    SplitCase{"a\\'b", {"a'b"}}, SplitCase{"ends\\", {"ends\\"}},
                    SplitCase{"\"R\xC3\xA9"
                              "aumur\" 80",
                              {"R\xC3\xA9"
                               "aumur",
                               "80"}}));

struct FailureCase {
    std::string Line;
    std::string Failure;
};

std::ostream& operator<<(std::ostream& out, const FailureCase& c)
{
    return out << '[' << c.Line << ']';
}

class ShellWordFailure : public testing::TestWithParam<FailureCase> { };

TEST_P(ShellWordFailure, SaysWhichQuoteIsNeverClosed)
{
    const velmar::ShellWords split = velmar::SplitShellWords(GetParam().Line);
    EXPECT_EQ(split.Failure, GetParam().Failure);
    EXPECT_TRUE(split.Words.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ShellWordFailure,
    testing::Values(
        FailureCase{"Length \"nautical mile foot 3",
                    "the \" at character 8 is never closed; end the quoted text with another \""},
        FailureCase{"'abc", "the ' at character 1 is never closed; end the quoted text with another '"},
        FailureCase{"\"a\\\"", "the \" at character 1 is never closed; end the quoted text with another \""},
        FailureCase{"'a' \"b", "the \" at character 5 is never closed; end the quoted text with another \""},
        // characters, not bytes: "é" is two bytes
        FailureCase{"\xC3\xA9 'x", "the ' at character 3 is never closed; end the quoted text with another '"}));

} // namespace
