#pragma once

#include <cmath> // std::signbit, and the FP_ categories of fpclassify
#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "engine/extended_rounding.h"

namespace velmar {

// The integer types every value of which is an extended value.
template <typename T>
concept ExtendedInteger = std::integral<T> && !std::same_as<T, bool> && sizeof(T) <= sizeof(std::uint64_t);

// An x87 80-bit extended value computed with integers, for machines whose long
// double has another format. It holds any 80-bit pattern and gives the x87
// unit's results at 64-bit precision with every exception masked: each result
// rounded once to nearest, ties to even, tiny results rounded as denormals,
// NaN operands passed on by the x87 rules, and the real indefinite NaN for an
// invalid operation. Patterns the x87 unit refuses (unnormals,
// pseudo-infinities, pseudo-NaNs) compare unordered and make any arithmetic
// result the real indefinite.
//
// The <cmath> functions the converters call are found by argument-dependent
// lookup, so generic code can write `using std::isnan; isnan(x)`.
class SoftwareExtended {
public:
    constexpr SoftwareExtended() = default; // +0

    template <ExtendedInteger Integer>
    constexpr SoftwareExtended(Integer value)
    {
        if (value == 0)
            return;
        bool negative = false;
        if constexpr (std::is_signed_v<Integer>)
            negative = value < 0;
        const auto magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
        const int shift = std::countl_zero(magnitude);
        significand_ = magnitude << shift;
        signExponent_ = static_cast<std::uint16_t>((negative ? extended_rounding::SignBit : 0)
                                                   | (extended_rounding::ExponentBias + 63 - shift));
    }

    // Exact for an x87 long double; a long double with a longer significand is
    // rounded to nearest. A NaN becomes the default quiet NaN of its sign.
    constexpr SoftwareExtended(long double value)
    {
        // Only a zero or a NaN asks signbit, which clang cannot evaluate at compile time.
        const bool negative = value < 0 || (!(value > 0) && std::signbit(value));
        long double magnitude = negative ? -value : value;
        if (magnitude != magnitude) {
            *this = quietNaN(negative);
            return;
        }
        if (magnitude > std::numeric_limits<long double>::max()) {
            *this = infinity(negative);
            return;
        }
        if (magnitude == 0) {
            *this = zero(negative);
            return;
        }
        // Scaling by powers of two is exact in any binary format; the scaled
        // magnitude lies in [2^127, 2^128) and its top 128 bits are whole.
        int exponent = 0;
        for (; magnitude >= 0x1p192L; exponent += 64)
            magnitude *= 0x1p-64L;
        for (; magnitude < 0x1p64L; exponent -= 64)
            magnitude *= 0x1p64L;
        for (; magnitude >= 0x1p128L; ++exponent)
            magnitude *= 0.5L;
        for (; magnitude < 0x1p127L; --exponent)
            magnitude *= 2;
        const auto high = static_cast<std::uint64_t>(magnitude * 0x1p-64L);
        magnitude -= static_cast<long double>(high) * 0x1p64L;
        const auto low = static_cast<std::uint64_t>(magnitude);
        magnitude -= static_cast<long double>(low);
        const unsigned __int128 whole = static_cast<unsigned __int128>(high) << 64 | low;
        *this = rounded(negative, whole | (magnitude != 0 ? 1 : 0), exponent);
    }

    // The 80-bit pattern as an x87 unit stores it: bytes 0 to 7 hold the
    // significand, bytes 8 and 9 the sign and biased exponent, little-endian.
    static constexpr SoftwareExtended FromBits(std::uint16_t signExponent, std::uint64_t significand)
    {
        SoftwareExtended value;
        value.signExponent_ = signExponent;
        value.significand_ = significand;
        return value;
    }
    constexpr std::uint16_t SignExponent() const { return signExponent_; }
    constexpr std::uint64_t Significand() const { return significand_; }

    // Truncated toward zero, as static_cast truncates a long double. Where
    // that leaves Integer's range, or for a NaN, it gives Integer's minimum:
    // the x87 integer indefinite for a signed type.
    template <ExtendedInteger Integer>
    explicit constexpr operator Integer() const
    {
        return extended_rounding::RoundToInteger<Integer>(bits(), extended_rounding::IntegerRounding::TowardZero);
    }

    friend constexpr SoftwareExtended operator-(SoftwareExtended x)
    {
        x.signExponent_ ^= extended_rounding::SignBit;
        return x;
    }

    friend constexpr SoftwareExtended operator+(SoftwareExtended a, SoftwareExtended b)
    {
        return sum(a, b, b.negative());
    }

    // Not a + (-b): a NaN b is passed on with its own sign.
    friend constexpr SoftwareExtended operator-(SoftwareExtended a, SoftwareExtended b)
    {
        return sum(a, b, !b.negative());
    }

    friend constexpr SoftwareExtended operator*(SoftwareExtended a, SoftwareExtended b)
    {
        if (a.unordered() || b.unordered())
            return unorderedResult(a, b);
        const bool negative = a.negative() != b.negative();
        const Kind kindA = a.kind();
        const Kind kindB = b.kind();
        if (kindA == Kind::Infinity || kindB == Kind::Infinity)
            return kindA == Kind::Zero || kindB == Kind::Zero ? indefinite() : infinity(negative);
        if (kindA == Kind::Zero || kindB == Kind::Zero)
            return zero(negative);
        return rounded(negative, static_cast<unsigned __int128>(a.significand_) * b.significand_,
                       a.scale() + b.scale());
    }

    friend constexpr SoftwareExtended operator/(SoftwareExtended a, SoftwareExtended b)
    {
        if (a.unordered() || b.unordered())
            return unorderedResult(a, b);
        const bool negative = a.negative() != b.negative();
        const Kind kindA = a.kind();
        const Kind kindB = b.kind();
        if (kindA == Kind::Infinity)
            return kindB == Kind::Infinity ? indefinite() : infinity(negative);
        if (kindB == Kind::Infinity)
            return zero(negative);
        if (kindB == Kind::Zero)
            return kindA == Kind::Zero ? indefinite() : infinity(negative);
        if (kindA == Kind::Zero)
            return zero(negative);
        // With both significands normalized the quotient has 64 or 65 bits;
        // two more bits, the lower one jammed with the remainder, round it.
        const int shiftA = std::countl_zero(a.significand_);
        const int shiftB = std::countl_zero(b.significand_);
        const std::uint64_t divisor = b.significand_ << shiftB;
        const unsigned __int128 dividend = static_cast<unsigned __int128>(a.significand_ << shiftA) << 64;
        const unsigned __int128 quotient = dividend / divisor;
        const unsigned __int128 twiceRemainder = (dividend % divisor) << 1;
        const bool upperHalf = twiceRemainder >= divisor;
        const bool beyondHalf = twiceRemainder != (upperHalf ? divisor : 0);
        const unsigned __int128 magnitude = quotient << 2 | (upperHalf ? 2 : 0) | (beyondHalf ? 1 : 0);
        return rounded(negative, magnitude, a.scale() - shiftA - b.scale() + shiftB - 66);
    }

    friend constexpr bool operator==(SoftwareExtended a, SoftwareExtended b) { return (a <=> b) == 0; }

    // NaNs and refused patterns are unordered; -0 and +0 are equal.
    friend constexpr std::partial_ordering operator<=>(SoftwareExtended a, SoftwareExtended b)
    {
        if (a.unordered() || b.unordered())
            return std::partial_ordering::unordered;
        if (a.kind() == Kind::Zero && b.kind() == Kind::Zero)
            return std::partial_ordering::equivalent;
        if (a.negative() != b.negative())
            return a.negative() ? std::partial_ordering::less : std::partial_ordering::greater;
        const std::strong_ordering magnitudes = a.magnitudeKey() <=> b.magnitudeKey();
        return a.negative() ? 0 <=> magnitudes : magnitudes; // the larger negative magnitude is less
    }

    friend constexpr bool isnan(SoftwareExtended x) { return x.unordered(); }
    friend constexpr bool isinf(SoftwareExtended x) { return x.kind() == Kind::Infinity; }
    friend constexpr bool isfinite(SoftwareExtended x) { return x.kind() == Kind::Zero || x.kind() == Kind::Finite; }
    friend constexpr bool signbit(SoftwareExtended x) { return x.negative(); }

    // A pseudo-denormal is at least the smallest normal value, so it is normal.
    friend constexpr int fpclassify(SoftwareExtended x)
    {
        switch (x.kind()) {
        case Kind::Zero:
            return FP_ZERO;
        case Kind::Finite:
            return x.significand_ & extended_rounding::IntegerBit ? FP_NORMAL : FP_SUBNORMAL;
        case Kind::Infinity:
            return FP_INFINITE;
        default:
            return FP_NAN;
        }
    }

    friend constexpr SoftwareExtended fabs(SoftwareExtended x)
    {
        x.signExponent_ &= extended_rounding::ExponentMask;
        return x;
    }

    // Quiets a NaN as the C library's x + x does.
    friend constexpr SoftwareExtended trunc(SoftwareExtended x)
    {
        if (!isfinite(x))
            return x + x;
        const int exponent = (x.signExponent_ & extended_rounding::ExponentMask) - extended_rounding::ExponentBias;
        if (exponent >= 63)
            return x;
        if (exponent < 0)
            return zero(x.negative());
        x.significand_ &= ~std::uint64_t{0} << (63 - exponent);
        return x;
    }

    // Rounded to nearest, ties to even; out of range or NaN gives the x87
    // integer indefinite, the type's minimum.
    friend constexpr long long llrint(SoftwareExtended x)
    {
        return extended_rounding::RoundToInteger<long long>(x.bits(),
                                                            extended_rounding::IntegerRounding::ToNearestEven);
    }
    friend constexpr long lrint(SoftwareExtended x)
    {
        return extended_rounding::RoundToInteger<long>(x.bits(), extended_rounding::IntegerRounding::ToNearestEven);
    }

    // x * 2^exponent, rounded once when the result is a denormal.
    friend constexpr SoftwareExtended ldexp(SoftwareExtended x, int exponent)
    {
        switch (x.kind()) {
        case Kind::Finite: {
            // Beyond these limits every finite value overflows or vanishes alike.
            constexpr int Limit = 1 << 16;
            const int bounded = exponent < -Limit ? -Limit : exponent > Limit ? Limit : exponent;
            return rounded(x.negative(), x.significand_, x.scale() + bounded);
        }
        case Kind::Zero:
        case Kind::Infinity:
            return x;
        default:
            return x + x;
        }
    }

private:
    enum class Kind { Zero, Finite, Infinity, NaN, Refused };

    constexpr Kind kind() const
    {
        const int field = signExponent_ & extended_rounding::ExponentMask;
        const bool integerBit = (significand_ & extended_rounding::IntegerBit) != 0;
        if (field == extended_rounding::ExponentMask) {
            if (!integerBit)
                return Kind::Refused;
            return significand_ == extended_rounding::IntegerBit ? Kind::Infinity : Kind::NaN;
        }
        if (field == 0)
            return significand_ == 0 ? Kind::Zero : Kind::Finite;
        return integerBit ? Kind::Finite : Kind::Refused;
    }

    constexpr bool unordered() const { return kind() == Kind::NaN || kind() == Kind::Refused; }
    constexpr bool negative() const { return (signExponent_ & extended_rounding::SignBit) != 0; }

    // A finite magnitude is significand_ * 2^scale().
    constexpr int scale() const
    {
        return extended_rounding::EffectiveExponent(signExponent_) - extended_rounding::ExponentBias - 63;
    }

    // Orders finite and infinite magnitudes: a denormal's significand carries
    // on where the smallest normal value's begins.
    constexpr unsigned __int128 magnitudeKey() const
    {
        return static_cast<unsigned __int128>(extended_rounding::EffectiveExponent(signExponent_)) << 64 | significand_;
    }

    constexpr extended_rounding::Bits bits() const { return {signExponent_, significand_}; }

    static constexpr SoftwareExtended fromBits(extended_rounding::Bits pattern)
    {
        return FromBits(pattern.SignExponent, pattern.Significand);
    }

    static constexpr SoftwareExtended rounded(bool negative, unsigned __int128 magnitude, int exponent)
    {
        return fromBits(extended_rounding::RoundToNearestEven(negative, magnitude, exponent));
    }

    static constexpr SoftwareExtended zero(bool negative)
    {
        return FromBits(negative ? extended_rounding::SignBit : 0, 0);
    }

    static constexpr SoftwareExtended infinity(bool negative)
    {
        return FromBits(zero(negative).signExponent_ | extended_rounding::ExponentMask, extended_rounding::IntegerBit);
    }

    static constexpr SoftwareExtended quietNaN(bool negative)
    {
        return FromBits(infinity(negative).signExponent_, extended_rounding::IntegerBit | extended_rounding::QuietBit);
    }

    // The x87 default NaN, the result of an invalid operation.
    static constexpr SoftwareExtended indefinite() { return quietNaN(true); }

    // The result of an operation with a NaN or refused operand: a refused
    // operand is invalid; a quiet NaN wins over a signalling one, otherwise the
    // larger significand, then the positive sign; the winner is quieted.
    static constexpr SoftwareExtended unorderedResult(SoftwareExtended a, SoftwareExtended b)
    {
        if (a.kind() == Kind::Refused || b.kind() == Kind::Refused)
            return indefinite();
        SoftwareExtended winner = b;
        if (b.kind() != Kind::NaN) {
            winner = a;
        } else if (a.kind() == Kind::NaN) {
            const std::uint64_t quietA = a.significand_ & extended_rounding::QuietBit;
            const std::uint64_t quietB = b.significand_ & extended_rounding::QuietBit;
            const std::uint64_t significandA = a.significand_ | extended_rounding::QuietBit;
            const std::uint64_t significandB = b.significand_ | extended_rounding::QuietBit;
            if (quietA != quietB)
                winner = quietA != 0 ? a : b;
            else if (significandA != significandB)
                winner = significandA > significandB ? a : b;
            else
                winner = a.signExponent_ < b.signExponent_ ? a : b;
        }
        winner.significand_ |= extended_rounding::QuietBit;
        return winner;
    }

    // a + b with b's sign replaced by bNegative.
    static constexpr SoftwareExtended sum(SoftwareExtended a, SoftwareExtended b, bool bNegative)
    {
        if (a.unordered() || b.unordered())
            return unorderedResult(a, b);
        const Kind kindA = a.kind();
        const Kind kindB = b.kind();
        if (kindA == Kind::Infinity && kindB == Kind::Infinity && a.negative() != bNegative)
            return indefinite();
        if (kindA == Kind::Infinity)
            return a;
        if (kindB == Kind::Infinity)
            return infinity(bNegative);
        if (kindA == Kind::Zero && kindB == Kind::Zero)
            return zero(a.negative() && bNegative);

        b.signExponent_ = static_cast<std::uint16_t>((b.signExponent_ & extended_rounding::ExponentMask)
                                                     | (bNegative ? extended_rounding::SignBit : 0));
        const bool ordered = a.magnitudeKey() >= b.magnitudeKey();
        const SoftwareExtended larger = ordered ? a : b;
        const SoftwareExtended smaller = ordered ? b : a;
        // The larger significand sits at bits 126 to 63, which leaves room for
        // a carry and, when the smaller one is cut, over 60 bits beneath it.
        const int shift = larger.scale() - smaller.scale();
        const unsigned __int128 smallerBits = static_cast<unsigned __int128>(smaller.significand_) << 63;
        const unsigned __int128 smallerPart = shift < 128 ? smallerBits >> shift : 0;
        const bool cut = shift < 128 ? smallerPart << shift != smallerBits : smallerBits != 0;
        const unsigned __int128 largerPart = static_cast<unsigned __int128>(larger.significand_) << 63;
        const unsigned __int128 magnitude = larger.negative() == smaller.negative()
            ? largerPart + smallerPart
            : largerPart - smallerPart - (cut ? 1 : 0);
        if (magnitude == 0)
            return zero(false); // x - x is +0 when rounding to nearest
        return rounded(larger.negative(), magnitude | (cut ? 1 : 0), larger.scale() - 63);
    }

    // In the x87 byte order, so a copy of the pattern is a copy of the value.
    std::uint64_t significand_ = 0;
    std::uint16_t signExponent_ = 0;
};

} // namespace velmar

namespace std {

// As std::numeric_limits<long double> on x86-64.
template <>
class numeric_limits<velmar::SoftwareExtended> {
    using Value = velmar::SoftwareExtended;
    static constexpr std::uint64_t IntegerBit = velmar::extended_rounding::IntegerBit;

public:
    static constexpr bool is_specialized = true;
    static constexpr Value min() noexcept { return Value::FromBits(0x0001, IntegerBit); }
    static constexpr Value max() noexcept { return Value::FromBits(0x7ffe, ~std::uint64_t{0}); }
    static constexpr Value lowest() noexcept { return Value::FromBits(0xfffe, ~std::uint64_t{0}); }
    static constexpr int digits = 64;
    static constexpr int digits10 = 18;
    static constexpr int max_digits10 = 21;
    static constexpr bool is_signed = true;
    static constexpr bool is_integer = false;
    static constexpr bool is_exact = false;
    static constexpr int radix = 2;
    static constexpr Value epsilon() noexcept { return Value::FromBits(0x3fc0, IntegerBit); }
    static constexpr Value round_error() noexcept { return Value::FromBits(0x3ffe, IntegerBit); }
    static constexpr int min_exponent = -16381;
    static constexpr int min_exponent10 = -4931;
    static constexpr int max_exponent = 16384;
    static constexpr int max_exponent10 = 4932;
    static constexpr bool has_infinity = true;
    static constexpr bool has_quiet_NaN = true;
    static constexpr bool has_signaling_NaN = true;
    static constexpr float_denorm_style has_denorm = denorm_present;
    static constexpr bool has_denorm_loss = false;
    static constexpr Value infinity() noexcept { return Value::FromBits(0x7fff, IntegerBit); }
    static constexpr Value quiet_NaN() noexcept { return Value::FromBits(0x7fff, IntegerBit | (IntegerBit >> 1)); }
    static constexpr Value signaling_NaN() noexcept { return Value::FromBits(0x7fff, IntegerBit | (IntegerBit >> 2)); }
    static constexpr Value denorm_min() noexcept { return Value::FromBits(0x0000, 1); }
    static constexpr bool is_iec559 = true;
    static constexpr bool is_bounded = true;
    static constexpr bool is_modulo = false;
    static constexpr bool traps = false;
    static constexpr bool tinyness_before = false;
    static constexpr float_round_style round_style = round_to_nearest;
};

} // namespace std
