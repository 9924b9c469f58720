#pragma once

#include <bit>
#include <cstdint>
#include <limits>

namespace velmar::extended_rounding {

// The 80-bit x87 pattern: sign and biased exponent in 16 bits, then the
// 64-bit significand whose top bit is the explicit integer bit.
struct Bits {
    std::uint16_t SignExponent;
    std::uint64_t Significand;
};

inline constexpr std::uint16_t SignBit = 0x8000;
inline constexpr std::uint16_t ExponentMask = 0x7fff;
inline constexpr int ExponentBias = 16383;
inline constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
inline constexpr std::uint64_t QuietBit = std::uint64_t{1} << 62;

// The exponent field of a finite value as its significand counts it: denormals
// and pseudo-denormals scale like exponent 1.
constexpr int EffectiveExponent(std::uint16_t signExponent)
{
    const int field = signExponent & ExponentMask;
    return field == 0 ? 1 : field;
}

constexpr int BitLength(unsigned __int128 value)
{
    const auto high = static_cast<std::uint64_t>(value >> 64);
    return high != 0 ? 128 - std::countl_zero(high) : 64 - std::countl_zero(static_cast<std::uint64_t>(value));
}

// magnitude * 2^exponent rounded once to the nearest extended value, ties to
// even, as the x87 unit does at 64-bit precision with underflow and overflow
// masked: a tiny result is rounded at the precision left to a denormal, a huge
// one becomes infinity.
//
// magnitude must not be zero. An inexact magnitude may jam its lost fraction
// into bit 0 (set it when anything non-zero was cut off), provided rounding
// cuts at least two bits: then the jammed bit lies below the halfway bit and
// only tells a tie from a value just above or below it, as the fraction would.
constexpr Bits RoundToNearestEven(bool negative, unsigned __int128 magnitude, int exponent)
{
    const std::uint16_t sign = negative ? SignBit : 0;
    const int length = BitLength(magnitude);
    int biased = exponent + length - 1 + ExponentBias;
    // Bits below the 64 kept ones, and below a denormal's shorter significand.
    int cut = length - 64;
    if (biased < 1) {
        cut += 1 - biased;
        biased = 0;
    }
    std::uint64_t significand = 0;
    if (cut <= 0) {
        significand = static_cast<std::uint64_t>(magnitude) << -cut;
    } else if (cut > 128) {
        return {sign, 0}; // below half the smallest denormal
    } else {
        significand = cut == 128 ? 0 : static_cast<std::uint64_t>(magnitude >> cut);
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (cut - 1);
        const unsigned __int128 rest = magnitude & (half | (half - 1));
        if (rest > half || (rest == half && (significand & 1) != 0)) {
            if (++significand == 0) {
                significand = IntegerBit;
                ++biased;
            } else if (biased == 0 && significand == IntegerBit) {
                biased = 1; // a denormal rounded up to the smallest normal value
            }
        }
    }
    if (biased >= ExponentMask)
        return {static_cast<std::uint16_t>(sign | ExponentMask), IntegerBit};
    return {static_cast<std::uint16_t>(sign | biased), significand};
}

enum class IntegerRounding { TowardZero, ToNearestEven };

// A finite pattern's value as an Integer. A NaN, an infinity, a refused
// pattern or a value outside Integer's range gives Integer's minimum: for a
// signed type the x87 integer indefinite.
template <typename Integer>
constexpr Integer RoundToInteger(Bits bits, IntegerRounding rounding)
{
    using Limits = std::numeric_limits<Integer>;
    const int field = bits.SignExponent & ExponentMask;
    const bool refused = field != 0 && (bits.Significand & IntegerBit) == 0;
    const int scale = EffectiveExponent(bits.SignExponent) - ExponentBias - 63;
    if (field == ExponentMask || refused || scale > 0)
        return Limits::min();
    std::uint64_t whole = 0; // below one half when scale < -64
    if (scale == 0) {
        whole = bits.Significand;
    } else if (scale >= -64) {
        const int cut = -scale;
        const std::uint64_t half = std::uint64_t{1} << (cut - 1);
        const std::uint64_t rest = bits.Significand & (half | (half - 1));
        whole = cut == 64 ? 0 : bits.Significand >> cut;
        if (rounding == IntegerRounding::ToNearestEven && (rest > half || (rest == half && (whole & 1) != 0)))
            ++whole;
    }
    if ((bits.SignExponent & SignBit) != 0) {
        const std::uint64_t largestMagnitude = 0 - static_cast<std::uint64_t>(Limits::min());
        return whole > largestMagnitude ? Limits::min() : static_cast<Integer>(0 - whole);
    }
    return whole > static_cast<std::uint64_t>(Limits::max()) ? Limits::min() : static_cast<Integer>(whole);
}

} // namespace velmar::extended_rounding
