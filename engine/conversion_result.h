#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmar {

// What a conversion tells: a result, or why there is none.
enum class ResultKind {
    Value,         // a number, "INF", "NAN", a Roman numeral, a fraction, or nothing to show
    InvalidNumber, // the input is no decimal number: "invalid number [n]"
    InvalidDigits, // a character outside the source unit's set: "invalid binary number", ...
    TooLarge,      // "result too large": beyond what the converter can write
    TooPrecise,    // "decimal too precise": no fraction within the 32-bit range matches
};

// A converter's answer: the result box's text and what kind of answer it is.
struct ConversionResult {
    std::string Text;
    ResultKind Kind = ResultKind::Value;

    bool IsError() const { return Kind != ResultKind::Value; }
};

// "invalid number [n]", n the 1-based position of the first misfit.
ConversionResult InvalidNumberResult(std::size_t errorPosition);

// "invalid " and what the source unit's numbers are called, e.g. "binary
// number" or "Roman numeral".
ConversionResult InvalidDigitsResult(std::string_view numberName);

ConversionResult TooLargeResult();
ConversionResult TooPreciseResult();

} // namespace velmar
