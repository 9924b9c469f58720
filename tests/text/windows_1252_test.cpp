#include <string_view>

#include <gtest/gtest.h>

#include "text/windows_1252.h"

namespace velmar {
namespace {

TEST(Windows1252, EveryByteIsOneCharacter)
{
    using namespace std::string_view_literals;
    const struct {
        const char* Case;
        std::string_view Bytes;
        std::string_view Utf8;
    } cases[] = {
        {"ASCII", "FormatIn=4"sv, "FormatIn=4"sv},
        {"Latin-1 range",
         "5 m\xB2, 20 \xB0"
         "C, caf\xE9, \xFF"sv,
         "5 m\xC2\xB2, 20 \xC2\xB0"
         "C, caf\xC3\xA9, \xC3\xBF"sv},
        {"no-break space", "\xA0"sv, "\xC2\xA0"sv},
        {"euro sign", "\x80"sv, "\xE2\x82\xAC"sv},
        {"quotation marks", "\x93\x94"sv, "\xE2\x80\x9C\xE2\x80\x9D"sv},
        {"trade mark, the highest", "\x99"sv, "\xE2\x84\xA2"sv},
        {"last of the range", "\x9F"sv, "\xC5\xB8"sv},
        {"undefined bytes", "\x81\x8D\x8F\x90\x9D"sv, "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"sv},
        {"NUL", "\0"sv, "\0"sv},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Windows1252ToUtf8(c.Bytes), c.Utf8) << c.Case;
}

} // namespace
} // namespace velmar
