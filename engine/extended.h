#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#if VELMAR_SOFTWARE_EXTENDED
#include "engine/software_extended.h"
#endif

namespace velmar {

// Every number of the converters is an x87 80-bit extended value: a 64-bit
// significand, each operation rounded to nearest, ties to even. It is the
// compiler's long double where that has the x87 format, and SoftwareExtended
// elsewhere (or where the build asks for it, to check it against the
// hardware); CMake decides and sets VELMAR_SOFTWARE_EXTENDED.
#if VELMAR_SOFTWARE_EXTENDED
using Extended = SoftwareExtended;
#else
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64 && std::numeric_limits<Extended>::max_exponent == 16384,
              "long double is not x87 extended here: configure with -DVELMAR_FORCE_SOFTWARE_EXTENDED=ON");
#endif

// The <cmath> functions the converters call. Unqualified calls find these for
// long double and SoftwareExtended's own by argument-dependent lookup.
using std::fabs;
using std::fpclassify;
using std::isfinite;
using std::isinf;
using std::isnan;
using std::ldexp;
using std::llrint;
using std::lrint;
using std::signbit;
using std::trunc;

// The sign bit and biased exponent field of a value's x87 pattern.
inline std::uint16_t SignExponentOf(Extended value)
{
#if VELMAR_SOFTWARE_EXTENDED
    return value.SignExponent();
#else
    std::uint16_t signExponent; // bytes 8 and 9 of the x87 memory layout
    std::memcpy(&signExponent, reinterpret_cast<const unsigned char*>(&value) + 8, sizeof signExponent);
    return signExponent;
#endif
}

// The 64-bit significand of a value's x87 pattern, its integer bit included.
inline std::uint64_t SignificandOf(Extended value)
{
#if VELMAR_SOFTWARE_EXTENDED
    return value.Significand();
#else
    std::uint64_t significand; // bytes 0 to 7 of the x87 memory layout
    std::memcpy(&significand, &value, sizeof significand);
    return significand;
#endif
}

// The value of an x87 pattern: the sign bit and biased exponent field, and the
// 64-bit significand with its explicit integer bit. Usable at compile time.
constexpr Extended ExtendedFromBits(std::uint16_t signExponent, std::uint64_t significand)
{
#if VELMAR_SOFTWARE_EXTENDED
    return SoftwareExtended::FromBits(signExponent, significand);
#else
    struct X87Layout {
        std::uint64_t Significand;
        std::uint16_t SignExponent;
        unsigned char Padding[sizeof(long double) - 10];
    };
    static_assert(sizeof(X87Layout) == sizeof(long double));
    return std::bit_cast<long double>(X87Layout{significand, signExponent, {}});
#endif
}

// A wider long double holds a decimal literal rounded once already. Rounding
// that again to 64 bits gives the literal's nearest extended value unless the
// first rounding landed exactly halfway between two extended values: then the
// second could go the wrong way.
constexpr bool IsHalfwayBetweenExtendedValues(long double value)
{
    if constexpr (std::numeric_limits<long double>::digits <= 64) {
        return false;
    } else {
        long double magnitude = value < 0 ? -value : value;
        if (!(magnitude > 0) || magnitude > std::numeric_limits<long double>::max())
            return false;
        // Scaled into [2^64, 2^65) by powers of two, which is exact: a halfway
        // value is then an odd integer.
        while (magnitude >= 0x1p65L)
            magnitude *= 0.5L;
        while (magnitude < 0x1p64L)
            magnitude *= 2;
        const long double belowTop = magnitude - 0x1p64L;
        const auto whole = static_cast<std::uint64_t>(belowTop);
        return static_cast<long double>(whole) == belowTop && (whole & 1) != 0;
    }
}

// A decimal literal as its nearest extended value, checked at compile time.
consteval Extended ExtendedLiteral(long double literal)
{
    if (IsHalfwayBetweenExtendedValues(literal))
        throw "this literal needs its nearest extended value written as a hexadecimal literal";
    return literal;
}

} // namespace velmar
