#include <string_view>

#include <gtest/gtest.h>

#include "text/utf8.h"

namespace velmar {
namespace {

TEST(Utf8, SequenceLengthAcceptsOnlyWellFormedSequences)
{
    using namespace std::string_view_literals;
    const struct {
        const char* Case;
        std::string_view Text;
        std::size_t Length;
    } cases[] = {
        {"ASCII", "a"sv, 1},
        {"NUL", "\0"sv, 1},
        {"two bytes, lowest", "\xC2\x80"sv, 2},
        {"three bytes", "\xE2\x82\xAC"sv, 3},
        {"three bytes, lowest", "\xE0\xA0\x80"sv, 3},
        {"last before the surrogates", "\xED\x9F\xBF"sv, 3},
        {"four bytes, lowest", "\xF0\x90\x80\x80"sv, 4},
        {"U+10FFFF", "\xF4\x8F\xBF\xBF"sv, 4},
        {"only the first sequence counts", "\xC3\xA9x"sv, 2},
        {"stray continuation byte", "\x80"sv, 0},
        {"overlong two bytes", "\xC0\xAF"sv, 0},
        {"overlong three bytes", "\xE0\x9F\xBF"sv, 0},
        {"overlong four bytes", "\xF0\x8F\xBF\xBF"sv, 0},
        {"surrogate", "\xED\xA0\x80"sv, 0},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80"sv, 0},
        {"no such lead byte", "\xF5\x80\x80\x80"sv, 0},
        {"cut short", "\xE2\x82"sv, 0},
        {"third byte no continuation", "\xE2\x82x"sv, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8SequenceLength(c.Text, 0), c.Length) << c.Case;
    EXPECT_EQ(Utf8SequenceLength("ab\xC3\xA9", 2), 2u) << "from an offset";
}

TEST(Utf8, SingleCharacterIsOneWholeSequence)
{
    using namespace std::string_view_literals;
    const struct {
        std::string_view Text;
        bool Single;
    } cases[] = {
        {""sv, false}, {","sv, true}, {"\xE2\x80\xAF"sv, true}, {",,"sv, false}, {"\xE2\x80"sv, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSingleUtf8Character(c.Text), c.Single) << testing::PrintToString(c.Text);
}

TEST(Utf8, WellFormedTextHasOnlyWellFormedSequences)
{
    using namespace std::string_view_literals;
    const struct {
        std::string_view Text;
        bool WellFormed;
    } cases[] = {
        {""sv, true},         {"TabIndex=3"sv, true},    {"5 m\xC2\xB2, \xE2\x82\xAC"sv, true}, {"\0"sv, true},
        {"caf\xE9"sv, false}, {"\xC3\xA9\xC3"sv, false}, {"ok\xED\xA0\x80"sv, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsWellFormedUtf8(c.Text), c.WellFormed) << testing::PrintToString(c.Text);
}

} // namespace
} // namespace velmar
