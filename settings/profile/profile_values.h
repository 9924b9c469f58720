#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmar {

// An integer value as the settings file stores it: "0x" or "0X" followed by
// hexadecimal digits; or, after optional leading blanks, an optional sign and
// decimal digits, or "$" and hexadecimal digits; nothing after them. Decimal
// values must fit a 32-bit signed integer; hexadecimal ones may use all 32
// bits, so "$FFFFFFFF" is -1. Anything else has no value.
std::optional<std::int32_t> parseProfileInteger(std::string_view text);

std::string formatProfileInteger(std::int32_t value);

// The value a key line holds after its "=": blanks around it and quotation
// marks (double or single) enclosing all of it are not part of it.
std::string_view decodeProfileValue(std::string_view stored);

// What to store after a key's "=" so that `value` reads back as it was and
// stays on its line: each CR and LF becomes a blank, and a value that would
// lose blanks or enclosing quotation marks on reading is put in double quotes.
std::string encodeProfileValue(std::string_view value);

} // namespace velmar
