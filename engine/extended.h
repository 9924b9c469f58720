#pragma once

#include <limits>

namespace velmar {

// Every number of the converters is an x87 80-bit extended value: a 64-bit
// significand, each operation rounded to nearest, ties to even.
using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64,
              "the converters need 80-bit extended precision (long double on x86-64)");

} // namespace velmar
