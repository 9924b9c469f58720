#pragma once

#include <string>
#include <string_view>

namespace velmar {

// Lower-cases the letters that unit and category names can hold: ASCII A-Z
// and the Latin-1 capitals U+00C0 to U+00DE (except U+00D7, the multiplication
// sign), so "RÉAUMUR" folds to "réaumur". Every other byte, including invalid
// UTF-8, is copied unchanged; the folded text has the same length in bytes.
std::string FoldCase(std::string_view text);

// Upper-cases a value one character for one, as the input box does as it is
// typed: the same letters as FoldCase, the other way, so "mcmxciv" reads as
// "MCMXCIV".
std::string UpperCaseAsTyped(std::string_view text);

} // namespace velmar
