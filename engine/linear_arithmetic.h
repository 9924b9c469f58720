#pragma once

#include <optional>

#include "engine/extended.h"

namespace velmar {

// value / sourceFactor, then times targetFactor, each step rounded to
// extended precision. Equal units get no shortcut: the two roundings may move
// the last bit. Nothing where a step overflows: the result is too large. An
// infinite value (a reading beyond the range) stays infinite, no overflow.
//
// With finite non-zero factors an infinite result from a finite value is the
// only fault there can be, and once a step overflows the next cannot undo it,
// so one test at the end does what checking each step would, without the
// cost of an exception on the converters' busiest path.
inline std::optional<Extended> ConvertByFactors(Extended value, Extended sourceFactor, Extended targetFactor)
{
    const Extended converted = value / sourceFactor * targetFactor;
    if (!isfinite(converted) && isfinite(value))
        return std::nullopt;
    return converted;
}

} // namespace velmar
