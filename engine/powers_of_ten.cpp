#include "engine/powers_of_ten.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/big_natural.h"
#include "engine/checked_arithmetic.h"

namespace velmar::powers_of_ten {
namespace {

enum class Rounding : std::uint8_t { Exact, Up, Down };

struct RoundedPower {
    Extended Value;
    Rounding Direction;
};

// number * 2^binaryScale rounded to a 64-bit significand, ties to even.
// `fractionCut` says that a non-zero fraction below the number's last bit was
// already dropped before (it breaks ties and makes the result inexact).
RoundedPower RoundToExtended(const BigNatural& number, int binaryScale, bool fractionCut)
{
    const int shift = number.BitLength() > 64 ? number.BitLength() - 64 : 0;
    std::uint64_t significand = number.BitsFrom(shift);
    const bool roundBit = shift > 0 && number.BitsFrom(shift - 1) & 1;
    const bool sticky = fractionCut || (shift > 1 && number.AnyBitBelow(shift - 1));
    const bool roundUp = roundBit && (sticky || (significand & 1) != 0);
    const Rounding direction = roundUp ? Rounding::Up : (roundBit || sticky) ? Rounding::Down : Rounding::Exact;
    int exponent = shift + binaryScale;
    if (roundUp && ++significand == 0) {
        significand = std::uint64_t{1} << 63;
        ++exponent;
    }
    return {ldexp(static_cast<Extended>(significand), exponent), direction};
}

// Values and directions apart: an 80-bit value with one byte beside it would
// take 32 bytes.
class Table {
public:
    Table()
        : values_(Size)
        , directions_(Size)
    {
        BigNatural power; // 10^k
        set(0, {1, Rounding::Exact});
        for (int k = 1; k <= LargestExponent; ++k) {
            power.MultiplyByTen();
            set(k, RoundToExtended(power, 0, false));
        }
        // floor(2^Scale / 10^n) keeps over 64 significant bits down to
        // 10^SmallestExponent; the cut fraction is never zero for n >= 1.
        constexpr int Scale = 16600;
        BigNatural scaledInverse = BigNatural::PowerOfTwo(Scale);
        for (int n = 1; n <= -SmallestExponent; ++n) {
            scaledInverse.DivideByTen();
            set(-n, RoundToExtended(scaledInverse, -Scale, true));
        }
    }

    Extended value(int k) const { return values_[k - SmallestExponent]; }
    Rounding direction(int k) const { return directions_[k - SmallestExponent]; }

private:
    static constexpr int Size = LargestExponent - SmallestExponent + 1;

    void set(int k, const RoundedPower& power)
    {
        values_[k - SmallestExponent] = power.Value;
        directions_[k - SmallestExponent] = power.Direction;
    }

    std::vector<Extended> values_;
    std::vector<Rounding> directions_;
};

const Table& table()
{
    static const Table instance;
    return instance;
}

// Exact for a normal magnitude: below SmallestExponent every normal value is
// larger, above LargestExponent none is.
bool IsAtLeast(const Table& powers, Extended magnitude, int k)
{
    if (k > LargestExponent)
        return false;
    if (k < SmallestExponent)
        return true;
    // No extended value lies strictly between 10^k and its nearest one.
    const Extended power = powers.value(k);
    return powers.direction(k) == Rounding::Down ? magnitude > power : magnitude >= power;
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
    return table().value(k);
}

int DecimalExponent(Extended magnitude)
{
    const Table& powers = table();
    // floor(binaryExponent * log10(2)), off by at most one; corrected below.
    const int estimate = (BinaryExponent(magnitude) * 78913) >> 18;
    int exponent = estimate + 1;
    while (!IsAtLeast(powers, magnitude, exponent - 1))
        --exponent;
    while (IsAtLeast(powers, magnitude, exponent))
        ++exponent;
    return exponent;
}

Extended Scale(Extended value, int power)
{
    const Table& powers = table();
    const int magnitude = power < 0 ? -power : power;
    const int steps[] = {magnitude % 32, 32 * ((magnitude / 32) % 16), 512 * (magnitude / 512)};
    Extended scaled = value;
    for (int step : steps) {
        if (step == 0)
            continue;
        const Extended factor = powers.value(step);
        scaled = power > 0 ? checked::mul(scaled, factor) : checked::div(scaled, factor);
    }
    return scaled;
}

} // namespace velmar::powers_of_ten
