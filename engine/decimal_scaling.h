#pragma once

#include "extended.h"

namespace velmar {

// The largest magnitude of a power of ten that scaling still applies; beyond
// it a value is taken as infinity or zero without arithmetic.
inline constexpr int LargestScalingPower = 5119;

// value * 10^power (|power| <= LargestScalingPower) in up to three rounded
// steps with the nearest extended powers: 10^(p mod 32), 10^(32 * ((p div 32)
// mod 16)), 10^(512 * (p div 512)), p = |power|; multiplying for a positive
// power, dividing for a negative one. Throws FloatingPointFault on overflow.
Extended ScaleByPowerOfTen(Extended value, int power);

} // namespace velmar
