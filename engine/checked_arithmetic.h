#pragma once

#include <cmath>

#include "engine/extended.h"
#include "engine/floating_point_fault.h"

namespace velmar {

// Extended arithmetic that raises the faults the x87 unit reports when they are
// unmasked: an infinite result from finite operands is an overflow, a NaN from
// numbers an invalid operation, a finite non-zero number over zero a division
// by zero. Underflow and inexact results stay silent. Checking operands and
// results keeps this independent of the floating-point environment.
namespace checked {

inline Extended result(Extended value, Extended a, Extended b)
{
    if (isnan(value) && !isnan(a) && !isnan(b))
        throw FloatingPointFault(FloatingPointFault::Kind::InvalidOperation);
    if (isinf(value) && isfinite(a) && isfinite(b))
        throw FloatingPointFault(FloatingPointFault::Kind::Overflow);
    return value;
}

inline Extended add(Extended a, Extended b)
{
    return result(a + b, a, b);
}
inline Extended sub(Extended a, Extended b)
{
    return result(a - b, a, b);
}
inline Extended mul(Extended a, Extended b)
{
    return result(a * b, a, b);
}

inline Extended div(Extended a, Extended b)
{
    if (b == 0 && isfinite(a) && a != 0)
        throw FloatingPointFault(FloatingPointFault::Kind::ZeroDivide);
    return result(a / b, a, b);
}

} // namespace checked
} // namespace velmar
