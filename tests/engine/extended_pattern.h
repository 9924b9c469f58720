#pragma once

#include <cstdint>
#include <iomanip>
#include <ostream>

// The software type needs 128-bit integers, which 32-bit targets lack.
#if defined(__SIZEOF_INT128__)
#include "engine/software_extended.h"
#endif

namespace velmar {

// The 80 bits of an extended value, compared and printed as a whole so that a
// failure shows which bits differ, NaN payloads and zero signs included.
struct ExtendedPattern {
    std::uint16_t SignExponent;
    std::uint64_t Significand;

    friend bool operator==(const ExtendedPattern&, const ExtendedPattern&) = default;
};

#if defined(__SIZEOF_INT128__)
inline ExtendedPattern PatternOf(SoftwareExtended x)
{
    return {x.SignExponent(), x.Significand()};
}
#endif

// As "ffff:c000000000000000": sign and exponent, then the significand.
inline void PrintTo(const ExtendedPattern& pattern, std::ostream* out)
{
    const auto flags = out->flags();
    *out << std::hex << std::setfill('0') << std::setw(4) << pattern.SignExponent << ':' << std::setw(16)
         << pattern.Significand;
    out->flags(flags);
}

#if defined(__SIZEOF_INT128__)
inline void PrintTo(SoftwareExtended x, std::ostream* out)
{
    PrintTo(PatternOf(x), out);
}
#endif

} // namespace velmar
