#pragma once

#include <cstddef>
#include <string_view>

namespace velmar {

// Blanks are what the settings file trims around names and values.
bool isProfileBlank(char c);
std::string_view trimProfileBlanks(std::string_view text);

// Section and key names compare without regard to ASCII case; other bytes
// compare exactly.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The first `count` characters of UTF-8 text, never splitting a well-formed
// sequence. A byte that does not start a well-formed sequence counts as one
// character of its own and is kept as it is.
std::string_view firstCharacters(std::string_view text, std::size_t count);

} // namespace velmar
