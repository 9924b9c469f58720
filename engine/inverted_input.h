#pragma once

#include <string>
#include <string_view>

#include "engine/number_format.h"

namespace velmar {

// The input that inverting a conversion feeds back: the result text's number,
// read with the regional marks, in the automatic form with "." as its
// decimal point (the only one the input box reads), or "0" when the text
// is not a number (empty, an error text, "INF"). Throws FloatingPointFault
// when the number lies beyond the extended range.
std::string InvertedInputText(std::string_view resultText, const RegionalMarks& marks);

} // namespace velmar
