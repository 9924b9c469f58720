#pragma once

#include <array>
#include <string_view>

#include "engine/extended.h"

namespace velmar {

// The most significant digits any result form writes: 10^18 < 2^63, so that
// many digits of a scaled value fit a 64-bit integer.
inline constexpr int SignificantDigitLimit = 18;

// A value as the result forms write it: 0.d1d2d3... * 10^Exponent, the digits
// rounded to the forms' limits and without trailing zeros. No digits: zero.
struct DecimalDigits {
    enum class Kind { Finite, Infinity, NotANumber };

    Kind Class = Kind::Finite;
    bool Negative = false;
    int Exponent = 0;
    std::array<char, SignificantDigitLimit> Buffer{};
    int Count = 0;

    std::string_view Digits() const { return {Buffer.data(), static_cast<std::size_t>(Count)}; }
};

// A decimals limit that never binds.
inline constexpr int AnyDecimals = 1 << 20;

// The digits of `value` kept to at most `significantLimit` significant digits
// (1 to SignificantDigitLimit) and `decimalsLimit` digits after the decimal point (>= 0). Zero,
// subnormal values and values with E < -decimalsLimit have no digits and no
// sign; any other value keeps its sign even when no digit is left.
DecimalDigits RoundedDigits(Extended value, int significantLimit, int decimalsLimit);

} // namespace velmar
