#pragma once

#include "engine/checked_arithmetic.h"
#include "engine/extended.h"

namespace velmar {

// value / sourceFactor, then times targetFactor, each step rounded to
// extended precision. Equal units get no shortcut: the two roundings may move
// the last bit. Throws FloatingPointFault on overflow.
inline Extended ConvertByFactors(Extended value, Extended sourceFactor, Extended targetFactor)
{
    const Extended referenceUnits = checked::div(value, sourceFactor);
    return checked::mul(referenceUnits, targetFactor);
}

} // namespace velmar
