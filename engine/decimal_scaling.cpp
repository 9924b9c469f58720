#include "decimal_scaling.h"

#include "checked_arithmetic.h"
#include "powers_of_ten.h"

namespace velmar {

Extended ScaleByPowerOfTen(Extended value, int power)
{
    const int magnitude = power < 0 ? -power : power;
    const int steps[] = {magnitude % 32, 32 * ((magnitude / 32) % 16), 512 * (magnitude / 512)};
    Extended scaled = value;
    for (int step : steps) {
        if (step == 0)
            continue;
        const Extended factor = powers_of_ten::Nearest(step);
        scaled = power > 0 ? checked::mul(scaled, factor) : checked::div(scaled, factor);
    }
    return scaled;
}

} // namespace velmar
