#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "engine/floating_point_fault.h"
#include "engine/number_reading.h"

namespace velmar {
namespace {

constexpr Extended Infinity = std::numeric_limits<Extended>::infinity();

struct CompletionCase {
    const char* Text;
    const char* Completed;
};

class Completion : public testing::TestWithParam<CompletionCase> { };

TEST_P(Completion, AppendsZeroAfterAnUnfinishedEnd)
{
    EXPECT_EQ(CompleteNumberText(GetParam().Text), GetParam().Completed);
}

INSTANTIATE_TEST_SUITE_P(Texts, Completion,
                         testing::Values(CompletionCase{"12E", "12E0"}, CompletionCase{"12e", "12e0"},
                                         CompletionCase{"3.", "3.0"}, CompletionCase{".", ".0"},
                                         CompletionCase{"E", "E0"}, CompletionCase{"1.E", "1.E0"},
                                         CompletionCase{"1E-", "1E-"}, CompletionCase{"-", "-"}, CompletionCase{"", ""},
                                         CompletionCase{"7", "7"}));

struct ErrorCase {
    std::string Text; // as typed, before completion
    std::string ErrorText;
};

class ReadingError : public testing::TestWithParam<ErrorCase> { };

TEST_P(ReadingError, ReportsTheFirstMisfit)
{
    const InputReading reading = ReadInputText(GetParam().Text);
    EXPECT_FALSE(reading.IsNumber);
    EXPECT_EQ(reading.Failure.Text, GetParam().ErrorText);
    EXPECT_EQ(reading.Failure.Kind, ResultKind::InvalidNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadingError,
    testing::Values(ErrorCase{"12a", "invalid number [3]"}, ErrorCase{"1.2.3", "invalid number [4]"},
                    ErrorCase{"5 ", "invalid number [2]"}, ErrorCase{"1,5", "invalid number [2]"},
                    ErrorCase{"+-1", "invalid number [2]"}, ErrorCase{"-", "invalid number [2]"},
                    ErrorCase{"1E-", "invalid number [4]"}, ErrorCase{"  ", "invalid number [3]"},
                    ErrorCase{"", "invalid number [1]"}, ErrorCase{".x", "invalid number [2]"},
                    ErrorCase{"1E+x", "invalid number [4]"}, ErrorCase{"1E5.", "invalid number [4]"},
                    ErrorCase{"E.", "invalid number [2]"}, ErrorCase{"\xc3\xa9", "invalid number [1]"},
                    // the formatter's INF and NAN are no input
                    ErrorCase{"INF", "invalid number [1]"}, ErrorCase{"-NAN", "invalid number [2]"},
                    ErrorCase{"\t5", "invalid number [1]"}, // only spaces lead
                    // the syntax is checked before digits that would overflow are summed
                    ErrorCase{std::string(6000, '9') + "a", "invalid number [6001]"}));

TEST(ReadNumber, ATextEndingInAPointNeedsMore)
{
    EXPECT_EQ(ReadNumber("1.").ErrorPosition, 3u);
    EXPECT_EQ(ReadNumber("-.").ErrorPosition, 3u);
}

struct ValueCase {
    std::string Text; // as typed, before completion
    Extended Value;
};

class ReadingValue : public testing::TestWithParam<ValueCase> { };

TEST_P(ReadingValue, ReadsTheValue)
{
    const InputReading reading = ReadInputText(GetParam().Text);
    ASSERT_TRUE(reading.IsNumber) << reading.Failure.Text;
    EXPECT_FALSE(reading.Failure.IsError());
    EXPECT_EQ(reading.Value, GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadingValue,
    testing::Values(
        ValueCase{"12E", 12}, ValueCase{"3.", 3}, ValueCase{".", 0}, ValueCase{"E", 0}, ValueCase{"-.", 0},
        ValueCase{"  7", 7}, ValueCase{"1e5", 100000}, ValueCase{".5", 0.5L}, ValueCase{"+2.5E+2", 250},
        ValueCase{"-0.125", -0.125L}, ValueCase{"1.E", 1}, ValueCase{"00012.50", 12.5L}, ValueCase{"1E-5", 1e-5L},
        ValueCase{"1E27", 1e27L}, ValueCase{"123456789012345678", 123456789012345678.0L},
        ValueCase{"18446744073709551615", 18446744073709551615.0L}, ValueCase{"1E9999", Infinity},
        ValueCase{"-1E9999", -Infinity}, ValueCase{"1E-9999", 0}, ValueCase{"1E5120", Infinity},
        ValueCase{"1E-5120", 0},
        // all-zero digits are zero whatever the power
        ValueCase{"0E9999", 0}, ValueCase{"-0.000E99999", 0},
        // exponents of any length saturate instead of wrapping
        ValueCase{"1E999999999999999999999", Infinity}, ValueCase{"1E-999999999999999999999", 0},
        ValueCase{"1E18446744073709551617", Infinity}, ValueCase{"0." + std::string(4000, '0') + "1E4010", 1e9L},
        ValueCase{"0." + std::string(1'000'000, '0') + "1", 0}, ValueCase{"1E" + std::string(1'000'000, '9'), Infinity},
        ValueCase{"5E-" + std::string(1'000'000, '9'), 0}));

TEST(ReadNumber, BelowTheNormalRangeGivesASubnormalValueSilently)
{
    const Extended value = ReadNumber("1E-4940").Value;
    EXPECT_EQ(fpclassify(value), FP_SUBNORMAL);
    EXPECT_GT(value, 0);
}

TEST(ReadNumber, JustBelowTheLargestValueStaysFinite)
{
    const Extended value = ReadNumber("1.18E4932").Value;
    EXPECT_TRUE(isfinite(value));
    EXPECT_LE(fabs(value / 1.18e4932L - 1), 1e-18L);
}

TEST(ReadNumber, LeavingTheRangeWhileReadingRaisesOverflow)
{
    const std::string texts[] = {"1E4933", "-2E4932", std::string(5000, '1'), "0." + std::string(5000, '3')};
    for (const std::string& text : texts) {
        try {
            ReadNumber(text);
            ADD_FAILURE() << text << " was read";
        } catch (const FloatingPointFault& fault) {
            EXPECT_EQ(fault.kind(), FloatingPointFault::Kind::Overflow);
            EXPECT_STREQ(fault.what(), "Floating point overflow");
        }
    }
}

} // namespace
} // namespace velmar
