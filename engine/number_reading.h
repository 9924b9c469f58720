#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/conversion_result.h"
#include "engine/extended.h"

namespace velmar {

// Appends "0" where the text ends in "E", then "e", then "." (each test on the
// text as the previous one left it).
std::string CompleteNumberText(std::string_view text);

struct NumberReading {
    Extended Value = 0;
    std::size_t ErrorPosition = 0; // 0 on success, else the 1-based position of the first misfit
};

// Reads a completed text. Throws FloatingPointFault (Overflow) when the value
// leaves the extended range while it is read.
NumberReading ReadNumber(std::string_view completedText);

// Steps 2 and 3 of the standard conversion sequence: completes and reads the
// input text; on a syntax error Failure holds the converters' answer.
struct InputReading {
    bool IsNumber = false;
    Extended Value = 0;
    ConversionResult Failure;
};
InputReading ReadInputText(std::string_view inputText);

} // namespace velmar
