#pragma once

#include "engine/extended.h"

namespace velmar {

// Every power of ten a normal extended value can lie near, each as its
// nearest extended value, with an exact comparison against the true power.
// Above 10^27 no power of ten is an extended value, so a plain comparison with
// the rounded power can be wrong by one value; this one never is.
namespace powers_of_ten {

inline constexpr int SmallestExponent = -4931; // 10^-4932 is already subnormal
inline constexpr int LargestExponent = 4932;   // 10^4933 exceeds the range

// The extended value nearest to 10^k, SmallestExponent <= k <= LargestExponent.
Extended Nearest(int k);

// The E with 10^(E-1) <= magnitude < 10^E exactly, for a normal magnitude > 0.
int DecimalExponent(Extended magnitude);

// The largest magnitude of a power of ten that scaling still applies; beyond
// it a value is taken as infinity or zero without arithmetic.
inline constexpr int LargestScalingPower = 5119;

// value * 10^power (|power| <= LargestScalingPower) in up to three rounded
// steps with the nearest extended powers: 10^(p mod 32), 10^(32 * ((p div 32)
// mod 16)), 10^(512 * (p div 512)), p = |power|; multiplying for a positive
// power, dividing for a negative one. Throws FloatingPointFault on overflow.
Extended Scale(Extended value, int power);

} // namespace powers_of_ten
} // namespace velmar
