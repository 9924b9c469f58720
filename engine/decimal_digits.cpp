#include "decimal_digits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "powers_of_ten.h"

namespace velmar {
namespace {

constexpr int RawDigitCount = 18;
constexpr long long RawDigitsLimit = 1'000'000'000'000'000'000;

// Two independent halves are quicker than one chain of eighteen divisions.
void WriteNineDigits(std::uint32_t value, char* first)
{
    for (int i = 8; i >= 0; --i, value /= 10)
        first[i] = static_cast<char>('0' + value % 10);
}

// The first RawDigitCount digits of a normal magnitude, and its exponent E with
// 10^(E-1) <= magnitude < 10^E. llrint rounds ties to even, as the arithmetic
// does; the scaled magnitude is below 2^63.
void SetRawDigits(Extended magnitude, DecimalDigits& digits)
{
    int exponent = powers_of_ten::DecimalExponent(magnitude);
    long long whole = std::llrint(powers_of_ten::Scale(magnitude, RawDigitCount - exponent));
    if (whole >= RawDigitsLimit) {
        whole = std::llrint(static_cast<Extended>(whole) / 10);
        ++exponent;
    }
    constexpr long long HalfLimit = 1'000'000'000;
    WriteNineDigits(static_cast<std::uint32_t>(whole / HalfLimit), digits.Buffer.data());
    WriteNineDigits(static_cast<std::uint32_t>(whole % HalfLimit), digits.Buffer.data() + 9);
    digits.Exponent = exponent;
}

// Keeps `kept` raw digits, rounding up on a next digit of 5 or more.
void KeepDigits(int kept, DecimalDigits& digits)
{
    if (kept < RawDigitCount && digits.Buffer[kept] >= '5') {
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
    if (std::isinf(value)) {
        digits.Class = DecimalDigits::Kind::Infinity;
        return digits;
    }
    if (std::isnan(value)) {
        digits.Class = DecimalDigits::Kind::NotANumber;
        return digits;
    }
    if (std::fpclassify(value) != FP_NORMAL)
        return digits;
    SetRawDigits(std::fabs(value), digits);
    const int kept = digits.Exponent + decimalsLimit;
    if (kept < 0)
        return DecimalDigits{};
    KeepDigits(std::min({kept, significantLimit, RawDigitCount}), digits);
    digits.Negative = value < 0;
    return digits;
}

} // namespace velmar
