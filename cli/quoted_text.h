#pragma once

#include <span>
#include <string>
#include <string_view>

namespace velmar {

// `text` in double quotes for a one-line message: control characters, quotes,
// backslashes and bytes that are not valid UTF-8 are written as escapes, and a
// long text is cut after a few dozen characters with "..." appended.
std::string QuotedForMessage(std::string_view text);

// Items as a sentence lists them: "a", "a or b", "a, b or c", with
// `lastJoin` (" or ", " and ") before the last.
std::string ListedInWords(std::span<const std::string> items, std::string_view lastJoin);

} // namespace velmar
