#pragma once

#include <cstddef>
#include <string_view>

namespace velmar {

// The length in bytes (1 to 4) of the well-formed UTF-8 sequence starting at
// `offset`, which must lie inside `text`; 0 when the bytes there are not one
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut
// short).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t offset);

// True when `text` is exactly one well-formed UTF-8 character.
bool IsSingleUtf8Character(std::string_view text);

// True when all of `text` is well-formed UTF-8 (the empty text is).
bool IsWellFormedUtf8(std::string_view text);

} // namespace velmar
