#pragma once

#include <string_view>

namespace velmar {

// The result box's text for a value beyond what a converter can write.
inline constexpr std::string_view ResultTooLarge = "result too large";

// The result box's text for a decimal no fraction within the 32-bit range
// matches exactly.
inline constexpr std::string_view DecimalTooPrecise = "decimal too precise";

// Whether a result box text is one of the converters' error texts: "invalid
// number [n]", "invalid binary number" and its siblings, "invalid Roman
// numeral", "result too large" or "decimal too precise". Every result is a
// number, "INF", "NAN", a Roman numeral or a fraction, so none is mistaken
// for one.
bool IsErrorText(std::string_view resultText);

} // namespace velmar
