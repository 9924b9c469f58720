#pragma once

#include <string>
#include <string_view>

namespace velmar {

// `text` in double quotes for a one-line message: control characters, quotes,
// backslashes and bytes that are not valid UTF-8 are written as escapes, and a
// long text is cut after a few dozen characters with "..." appended.
std::string QuotedForMessage(std::string_view text);

} // namespace velmar
