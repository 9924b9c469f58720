#pragma once

#include <cstdint>
#include <cstring>
#include <limits>

#include "engine/extended.h"
#include "tests/engine/extended_pattern.h"

// The software type needs 128-bit integers, which 32-bit targets lack.
#if defined(__SIZEOF_INT128__)
#include "engine/software_extended.h"
#endif

namespace velmar {

// Only where long double is the x87 format: the hardware value of a pattern,
// for the tests that check against the x87 unit or the C library.
static_assert(std::numeric_limits<long double>::digits == 64, "the reference is the x87 unit");

#if defined(__SIZEOF_INT128__)
inline long double Hardware(SoftwareExtended x)
{
    long double value = 0;
    const std::uint64_t significand = x.Significand();
    const std::uint16_t signExponent = x.SignExponent();
    std::memcpy(&value, &significand, sizeof significand);
    std::memcpy(reinterpret_cast<unsigned char*>(&value) + 8, &signExponent, sizeof signExponent);
    return value;
}
#endif

// Extended is long double itself unless the build asked for the software type.
inline long double Hardware(long double x)
{
    return x;
}

inline ExtendedPattern PatternOf(long double x)
{
    ExtendedPattern pattern{};
    std::memcpy(&pattern.Significand, &x, sizeof pattern.Significand);
    std::memcpy(&pattern.SignExponent, reinterpret_cast<const unsigned char*>(&x) + 8, sizeof pattern.SignExponent);
    return pattern;
}

} // namespace velmar
