#include "engine/powers_of_ten.h"

#include "engine/checked_arithmetic.h"
#include "engine/powers_of_ten_table.h"

namespace velmar::powers_of_ten {
namespace {

Rounding DirectionOf(int k)
{
    return RoundingDirections[k - SmallestExponent];
}

// Exact for a normal magnitude: below SmallestExponent every normal value is
// larger, above LargestExponent none is.
bool IsAtLeast(Extended magnitude, int k)
{
    if (k > LargestExponent)
        return false;
    if (k < SmallestExponent)
        return true;
    // No extended value lies strictly between 10^k and its nearest one.
    const Extended power = Nearest(k);
    return DirectionOf(k) == Rounding::Down ? magnitude > power : magnitude >= power;
}

// The binary exponent of a normal value, from the exponent field of the x87
// format (biased by 16383); cheaper than the library's ilogb.
int BinaryExponent(Extended value)
{
    return (SignExponentOf(value) & 0x7fff) - 16383;
}

} // namespace

Extended Nearest(int k)
{
    return NearestValues[k - SmallestExponent];
}

int DecimalExponent(Extended magnitude)
{
    // floor(binaryExponent * log10(2)), off by at most one; corrected below.
    const int estimate = (BinaryExponent(magnitude) * 78913) >> 18;
    int exponent = estimate + 1;
    while (!IsAtLeast(magnitude, exponent - 1))
        --exponent;
    while (IsAtLeast(magnitude, exponent))
        ++exponent;
    return exponent;
}

Extended Scale(Extended value, int power)
{
    const int magnitude = power < 0 ? -power : power;
    const int steps[] = {magnitude % 32, 32 * ((magnitude / 32) % 16), 512 * (magnitude / 512)};
    Extended scaled = value;
    for (int step : steps) {
        if (step == 0)
            continue;
        const Extended factor = Nearest(step);
        scaled = power > 0 ? checked::mul(scaled, factor) : checked::div(scaled, factor);
    }
    return scaled;
}

} // namespace velmar::powers_of_ten
