#include <gtest/gtest.h>

#include "engine/floating_point_fault.h"
#include "engine/inverted_input.h"

namespace velmar {
namespace {

TEST(InvertedInput, ReadsResultsWrittenWithAnyRegionalMarks)
{
    const RegionalMarks usual{".", ","};
    const RegionalMarks continental{",", "."};
    const RegionalMarks narrowSpace{",", "\u202f"};
    const struct {
        const char* Result;
        RegionalMarks Marks;
        const char* Input;
    } cases[] = {
        {"1", usual, "1"},
        {"1,234.50", usual, "1234.5"},
        {"-1,234,567.25", usual, "-1234567.25"},
        {"1.5E-7", usual, "1.5E-7"},
        {"12345678901", usual, "1.23456789E10"},
        {"1.234,50", continental, "1234.5"},
        {"2,5E+3", continental, "2500"},
        {"1\u202f234\u202f567,5", narrowSpace, "1234567.5"},
        {"", usual, "0"},
        {"invalid number [3]", usual, "0"},
        {"result too large", usual, "0"},
        {"INF", usual, "0"},
        {"12 m", usual, "0"},
        {"1E", usual, "0"}, // no completion: an unfinished exponent is no number
    };
    for (const auto& c : cases)
        EXPECT_EQ(InvertedInputText(c.Result, c.Marks), c.Input) << c.Result;
}

TEST(InvertedInput, ANumberBeyondTheExtendedRangeIsAFault)
{
    EXPECT_THROW(InvertedInputText("1.2E+4932", RegionalMarks{}), FloatingPointFault);
}

} // namespace
} // namespace velmar
