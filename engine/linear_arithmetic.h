#pragma once

#include "extended.h"

namespace velmar {

// value / sourceFactor, then times targetFactor, each step rounded to
// extended precision. Equal units get no shortcut: the two roundings may move
// the last bit. Throws FloatingPointFault on overflow.
Extended ConvertByFactors(Extended value, Extended sourceFactor, Extended targetFactor);

} // namespace velmar
