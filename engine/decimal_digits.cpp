#include "engine/decimal_digits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/powers_of_ten.h"

namespace velmar {
namespace {

constexpr long long powerOfTen(int exponent)
{
    long long power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

constexpr long long RawDigitsLimit = powerOfTen(SignificantDigitLimit);
constexpr int HalfDigitCount = SignificantDigitLimit / 2;
static_assert(SignificantDigitLimit % 2 == 0, "the raw digits are written in two equal halves");

// Writes the SignificantDigitLimit digits of `whole`, leading zeros included.
// Two interleaved halves make two short chains of divisions instead of one
// long one.
void WriteRawDigits(long long whole, char* first)
{
    constexpr long long HalfLimit = powerOfTen(HalfDigitCount);
    auto upper = static_cast<std::uint32_t>(whole / HalfLimit);
    auto lower = static_cast<std::uint32_t>(whole % HalfLimit);
    for (int i = HalfDigitCount - 1; i >= 0; --i, upper /= 10, lower /= 10) {
        first[i] = static_cast<char>('0' + upper % 10);
        first[i + HalfDigitCount] = static_cast<char>('0' + lower % 10);
    }
}

// The whole number nearest to a magnitude below 2^63, ties to even, as llrint
// gives it. Plus 2^63 the magnitude keeps no fraction bits (the significand
// holds 64), so the addition rounds it, and the sum's significand is 2^63
// plus that whole number. Reading it from the bits needs neither llrint, the
// only function velmar-convert took from the maths library (loading which
// slowed every start), nor a conversion, which on the x87 unit switches its
// rounding mode twice.
long long NearestWhole(Extended magnitude)
{
    constexpr std::uint64_t TopBit = std::uint64_t{1} << 63;
    constexpr Extended TwoToThe63 = ExtendedFromBits(0x3FFF + 63, TopBit);
    return static_cast<long long>(SignificandOf(magnitude + TwoToThe63) - TopBit);
}

// The first SignificantDigitLimit digits of a normal magnitude, and its
// exponent E with 10^(E-1) <= magnitude < 10^E, rounded to nearest with ties
// to even, as the arithmetic rounds; the scaled magnitude is below 2^63.
void SetRawDigits(Extended magnitude, DecimalDigits& digits)
{
    int exponent = powers_of_ten::DecimalExponent(magnitude);
    long long whole = NearestWhole(powers_of_ten::Scale(magnitude, SignificantDigitLimit - exponent));
    if (whole >= RawDigitsLimit) {
        whole = NearestWhole(static_cast<Extended>(whole) / 10);
        ++exponent;
    }
    WriteRawDigits(whole, digits.Buffer.data());
    digits.Exponent = exponent;
}

// Keeps `kept` raw digits, rounding up on a next digit of 5 or more.
void KeepDigits(int kept, DecimalDigits& digits)
{
    if (kept < SignificantDigitLimit && digits.Buffer[kept] >= '5') {
        int last = kept - 1;
        while (last >= 0 && digits.Buffer[last] == '9')
            digits.Buffer[last--] = '0';
        if (last >= 0) {
            ++digits.Buffer[last];
        } else {
            digits.Buffer[0] = '1';
            kept = 1;
            ++digits.Exponent;
        }
    }
    while (kept > 0 && digits.Buffer[kept - 1] == '0')
        --kept;
    digits.Count = kept;
}

} // namespace

DecimalDigits RoundedDigits(Extended value, int significantLimit, int decimalsLimit)
{
    DecimalDigits digits;
    if (isinf(value)) {
        digits.Class = DecimalDigits::Kind::Infinity;
        return digits;
    }
    if (isnan(value)) {
        digits.Class = DecimalDigits::Kind::NotANumber;
        return digits;
    }
    if (fpclassify(value) != FP_NORMAL)
        return digits;
    SetRawDigits(fabs(value), digits);
    const int kept = digits.Exponent + decimalsLimit;
    if (kept < 0) {
        digits.Exponent = 0; // nothing left before the decimals limit: zero
        return digits;
    }
    KeepDigits(std::min({kept, significantLimit, SignificantDigitLimit}), digits);
    digits.Negative = value < 0;
    return digits;
}

} // namespace velmar
