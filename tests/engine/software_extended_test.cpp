// SoftwareExtended against this machine's x87 unit, bit for bit, over a few
// million random operations: operands of every kind of pattern, and operands
// built so that results fall on ties, beside the overflow threshold or among
// the denormals; and the faults the engine reports against the exceptions
// the unit flags.
#include <algorithm>
#include <cfenv>
#include <cmath>
#include <compare>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include <gtest/gtest.h>

#include "engine/checked_arithmetic.h"
#include "engine/extended.h"
#include "engine/floating_point_fault.h"
#include "engine/software_extended.h"
#include "tests/engine/extended_pattern.h"
#include "tests/engine/x87_long_double.h"

namespace velmar {
namespace {

namespace rounding = extended_rounding;

constexpr int Bias = rounding::ExponentBias;
constexpr int LargestExponent = 0x7ffe;
constexpr int CasesPerTest = 50'000;

// Random operands. Significands come in shapes that reach carries, long
// cancellations and ties far more often than uniform bits would.
class OperandMaker {
public:
    explicit OperandMaker(std::uint64_t seed)
        : random_(seed)
    { }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::uint64_t Bits() { return random_(); }

    std::uint64_t Significand()
    {
        const std::uint64_t bits = Bits();
        switch (Between(0, 3)) {
        case 0:
            return bits;
        case 1:
            return bits & ~std::uint64_t{0} << Between(0, 63); // few significant bits
        case 2:
            return ~(bits >> Between(1, 63)); // a run of ones on top
        default:
            return bits >> Between(1, 63); // a run of zeros on top
        }
    }

    std::uint16_t Sign() { return Between(0, 1) != 0 ? rounding::SignBit : 0; }

    // A normal value with a biased exponent in [low, high], clamped to the normal range.
    SoftwareExtended Normal(int low, int high)
    {
        const int exponent = std::clamp(Between(low, high), 1, LargestExponent);
        return SoftwareExtended::FromBits(Sign() | exponent, Significand() | rounding::IntegerBit);
    }

    // Half normal values, two fifths of them in bands at the ends of the
    // range and around 1; then denormals and every other kind of pattern.
    SoftwareExtended Any()
    {
        const std::uint16_t sign = Sign();
        switch (Between(0, 19)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
            return Normal(1, LargestExponent);
        case 6:
            return Normal(1, 70);
        case 7:
            return Normal(LargestExponent - 70, LargestExponent);
        case 8:
        case 9:
            return Normal(Bias - 70, Bias + 70);
        case 10:
        case 11:
            return SoftwareExtended::FromBits(sign, Significand() >> Between(1, 63));
        case 12:
            return SoftwareExtended::FromBits(sign, Significand() | rounding::IntegerBit); // pseudo-denormal
        case 13:
            return SoftwareExtended::FromBits(sign, 0);
        case 14:
            return SoftwareExtended::FromBits(sign | 0x7fff, rounding::IntegerBit);
        case 15:
            return SoftwareExtended::FromBits(sign | 0x7fff, Bits() | rounding::IntegerBit | rounding::QuietBit);
        case 16:
            return SoftwareExtended::FromBits(sign | 0x7fff,
                                              rounding::IntegerBit | (Bits() % (rounding::QuietBit - 1) + 1));
        case 17:
            return SoftwareExtended::FromBits(sign | Between(1, LargestExponent), Bits() & ~rounding::IntegerBit);
        case 18:
            return SoftwareExtended::FromBits(sign | 0x7fff, Bits() & ~rounding::IntegerBit);
        default:
            return SoftwareExtended::FromBits(Bits(), Bits()); // anything at all
        }
    }

    // The normalized significand of an odd integer `length` bits long.
    std::uint64_t OddSignificand(int length)
    {
        const std::uint64_t odd = Bits() >> (64 - length) | 1 | std::uint64_t{1} << (length - 1);
        return odd << (64 - length);
    }

    // Any pattern but those the x87 unit refuses: what library functions are asked about.
    SoftwareExtended Accepted()
    {
        for (;;) {
            const SoftwareExtended x = Any();
            if ((x.SignExponent() & rounding::ExponentMask) == 0 || (x.Significand() & rounding::IntegerBit) != 0)
                return x;
        }
    }

private:
    std::mt19937_64 random_;
};

int BiasedExponent(SoftwareExtended x)
{
    return x.SignExponent() & rounding::ExponentMask;
}

SoftwareExtended WithExponent(SoftwareExtended x, int exponent)
{
    return SoftwareExtended::FromBits((x.SignExponent() & rounding::SignBit) | std::clamp(exponent, 1, LargestExponent),
                                      x.Significand());
}

struct OperandPair {
    SoftwareExtended A;
    SoftwareExtended B;
};

// Operands whose sum, product or quotient lies near 2^(target - Bias).
OperandPair AimedAt(OperandMaker& maker, int target)
{
    const SoftwareExtended a = maker.Normal(1, LargestExponent);
    const SoftwareExtended b = maker.Normal(1, LargestExponent);
    switch (maker.Between(0, 2)) {
    case 0:
        return {WithExponent(a, target - maker.Between(0, 3)), WithExponent(b, target - maker.Between(0, 66))};
    case 1:
        return {a, WithExponent(b, target - BiasedExponent(a) + Bias)};
    default:
        return {a, WithExponent(b, BiasedExponent(a) - target + Bias)};
    }
}

struct PairKind {
    const char* Name;
    OperandPair (*Make)(OperandMaker&);
};

const PairKind PairKinds[] = {
    {"AnyPatterns",
     [](OperandMaker& maker) {
         return OperandPair{maker.Any(), maker.Any()};
     }},
    // exponents a few apart; a significand near the other's cancels into long runs of zeros
    {"NearbyExponents",
     [](OperandMaker& maker) {
         const SoftwareExtended a = maker.Normal(1, LargestExponent);
         const std::uint64_t flips = maker.Between(0, 7) != 0 ? maker.Bits() >> maker.Between(1, 63) : 0;
         const std::uint64_t significand
             = maker.Between(0, 1) != 0 ? a.Significand() ^ flips : maker.Significand() | rounding::IntegerBit;
         const SoftwareExtended b = SoftwareExtended::FromBits(maker.Sign(), significand);
         return OperandPair{a, WithExponent(b, BiasedExponent(a) + (flips != 0 ? maker.Between(-66, 66) : 0))};
     }},
    // b is an odd multiple of half a's last bit
    {"SumTies",
     [](OperandMaker& maker) {
         const SoftwareExtended a = maker.Normal(66, LargestExponent);
         const int length = maker.Between(1, 64);
         const SoftwareExtended b = SoftwareExtended::FromBits(maker.Sign(), maker.OddSignificand(length));
         return OperandPair{a, WithExponent(b, BiasedExponent(a) - 65 + length)};
     }},
    // odd integers whose exact product has 65 or 66 bits
    {"ProductTies",
     [](OperandMaker& maker) {
         const int lengthA = maker.Between(2, 64);
         const SoftwareExtended a = SoftwareExtended::FromBits(maker.Sign() | maker.Between(1, LargestExponent),
                                                               maker.OddSignificand(lengthA));
         const SoftwareExtended b = SoftwareExtended::FromBits(maker.Sign(), maker.OddSignificand(66 - lengthA));
         return OperandPair{a, WithExponent(b, 2 * Bias - BiasedExponent(a) + maker.Between(-16000, 16000))};
     }},
    // a small normal value times or over the power of two that leaves it a
    // denormal `cut` bits shorter, the cut bits one half, or one off; the
    // power times 1 + 2^-63 moves it beside a tie by less than its last bit
    {"DenormalTies",
     [](OperandMaker& maker) {
         const int cut = maker.Between(1, 64);
         const SoftwareExtended a = maker.Normal(1, 64);
         const std::uint64_t half = std::uint64_t{1} << (cut - 1);
         const std::uint64_t tie = (a.Significand() & ~(half | (half - 1))) | half;
         const std::uint64_t significand
             = (tie + static_cast<std::uint64_t>(maker.Between(-1, 1))) | rounding::IntegerBit;
         const SoftwareExtended tied = SoftwareExtended::FromBits(a.SignExponent(), significand);
         const int power = cut + BiasedExponent(a) - 1;
         const std::uint64_t scale = rounding::IntegerBit | static_cast<std::uint64_t>(maker.Between(0, 1));
         const int scaleExponent = maker.Between(0, 1) != 0 ? Bias - power : Bias + power;
         return OperandPair{tied, SoftwareExtended::FromBits(static_cast<std::uint16_t>(scaleExponent), scale)};
     }},
    // NaNs of both kinds sharing a few payloads, and the patterns arithmetic treats apart
    {"Specials",
     [](OperandMaker& maker) {
         const auto special = [&] {
             constexpr std::uint64_t Payloads[] = {1, 2, rounding::QuietBit - 1};
             const std::uint64_t quiet = maker.Between(0, 1) != 0 ? rounding::QuietBit : 0;
             switch (maker.Between(0, 3)) {
             case 0:
                 return SoftwareExtended::FromBits(maker.Sign() | 0x7fff,
                                                   rounding::IntegerBit | quiet | Payloads[maker.Between(0, 2)]);
             case 1:
                 return SoftwareExtended::FromBits(maker.Sign(), 0);
             case 2:
                 return SoftwareExtended::FromBits(maker.Sign() | 0x7fff, rounding::IntegerBit);
             default:
                 return maker.Any();
             }
         };
         return OperandPair{special(), special()};
     }},
    {"NearOverflow", [](OperandMaker& maker) { return AimedAt(maker, LargestExponent - maker.Between(-1, 2)); }},
    {"NearUnderflow", [](OperandMaker& maker) { return AimedAt(maker, maker.Between(-66, 2)); }},
};

void PrintTo(const PairKind& kind, std::ostream* out)
{
    *out << kind.Name;
}

struct BinaryOperation {
    const char* Name;
    SoftwareExtended (*Software)(SoftwareExtended, SoftwareExtended);
    long double (*Hardware)(long double, long double);
    Extended (*Checked)(Extended, Extended); // the engine's, with its fault reports
};

const BinaryOperation BinaryOperations[] = {
    {"Sum", [](SoftwareExtended a, SoftwareExtended b) { return a + b; },
     [](long double a, long double b) { return a + b; }, checked::add},
    {"Difference", [](SoftwareExtended a, SoftwareExtended b) { return a - b; },
     [](long double a, long double b) { return a - b; }, checked::sub},
    {"Product", [](SoftwareExtended a, SoftwareExtended b) { return a * b; },
     [](long double a, long double b) { return a * b; }, checked::mul},
    {"Quotient", [](SoftwareExtended a, SoftwareExtended b) { return a / b; },
     [](long double a, long double b) { return a / b; }, checked::div},
};

void PrintTo(const BinaryOperation& operation, std::ostream* out)
{
    *out << operation.Name;
}

class SoftwareExtendedArithmetic : public testing::TestWithParam<std::tuple<BinaryOperation, PairKind>> { };

TEST_P(SoftwareExtendedArithmetic, MatchesTheX87Unit)
{
    const auto& [operation, pairs] = GetParam();
    OperandMaker maker(std::hash<std::string>{}(std::string(operation.Name) + pairs.Name));
    for (int i = 0; i < CasesPerTest; ++i) {
        // Either order, so that each operand kind stands on both sides.
        OperandPair pair = pairs.Make(maker);
        if (i % 2 != 0)
            std::swap(pair.A, pair.B);
        const SoftwareExtended result = operation.Software(pair.A, pair.B);
        const long double expected = operation.Hardware(Hardware(pair.A), Hardware(pair.B));
        ASSERT_EQ(PatternOf(result), PatternOf(expected))
            << testing::PrintToString(pair.A) << ' ' << operation.Name << ' ' << testing::PrintToString(pair.B);
    }
}

INSTANTIATE_TEST_SUITE_P(Operands, SoftwareExtendedArithmetic,
                         testing::Combine(testing::ValuesIn(BinaryOperations), testing::ValuesIn(PairKinds)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).Name) + "Of" + std::get<1>(info.param).Name;
                         });

using FaultKind = FloatingPointFault::Kind;

// Exact either way: Extended is long double or SoftwareExtended here.
Extended ToExtended(SoftwareExtended x)
{
    return Extended{Hardware(x)};
}

std::optional<FaultKind> EngineFault(const BinaryOperation& operation, SoftwareExtended a, SoftwareExtended b)
{
    try {
        operation.Checked(ToExtended(a), ToExtended(b));
        return std::nullopt;
    } catch (const FloatingPointFault& fault) {
        return fault.kind();
    }
}

// The exception the x87 unit flags: the volatile operands and result keep the
// operation between clearing and testing the flags.
std::optional<FaultKind> X87Fault(const BinaryOperation& operation, SoftwareExtended a, SoftwareExtended b)
{
    volatile long double x = Hardware(a);
    volatile long double y = Hardware(b);
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile long double result = operation.Hardware(x, y);
    static_cast<void>(result);
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (raised & FE_INVALID)
        return FaultKind::InvalidOperation;
    if (raised & FE_DIVBYZERO)
        return FaultKind::ZeroDivide;
    if (raised & FE_OVERFLOW)
        return FaultKind::Overflow;
    return std::nullopt;
}

const char* FaultName(std::optional<FaultKind> fault)
{
    if (!fault)
        return "none";
    switch (*fault) {
    case FaultKind::Overflow:
        return "overflow";
    case FaultKind::ZeroDivide:
        return "division by zero";
    case FaultKind::InvalidOperation:
        return "invalid operation";
    }
    return "?";
}

// The engine reports a fault exactly where the x87 unit would raise it if
// unmasked. A NaN operand is passed on without a report, whatever the unit
// flags for it.
class CheckedArithmeticFaults : public testing::TestWithParam<std::tuple<BinaryOperation, PairKind>> { };

TEST_P(CheckedArithmeticFaults, AreTheX87Exceptions)
{
    const auto& [operation, pairs] = GetParam();
    OperandMaker maker(std::hash<std::string>{}(std::string("faults") + operation.Name + pairs.Name));
    for (int i = 0; i < CasesPerTest / 5; ++i) {
        OperandPair pair = pairs.Make(maker);
        if (i % 2 != 0)
            std::swap(pair.A, pair.B);
        if (isnan(pair.A) || isnan(pair.B))
            continue;
        ASSERT_STREQ(FaultName(EngineFault(operation, pair.A, pair.B)), FaultName(X87Fault(operation, pair.A, pair.B)))
            << testing::PrintToString(pair.A) << ' ' << operation.Name << ' ' << testing::PrintToString(pair.B);
    }
}

INSTANTIATE_TEST_SUITE_P(Operands, CheckedArithmeticFaults,
                         testing::Combine(testing::ValuesIn(BinaryOperations), testing::ValuesIn(PairKinds)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).Name) + "Of" + std::get<1>(info.param).Name;
                         });

const char* OrderName(std::partial_ordering order)
{
    return order < 0 ? "less" : order > 0 ? "greater" : order == 0 ? "equivalent" : "unordered";
}

class SoftwareExtendedComparison : public testing::TestWithParam<PairKind> { };

TEST_P(SoftwareExtendedComparison, MatchesTheX87Unit)
{
    OperandMaker maker(std::hash<std::string>{}(GetParam().Name));
    for (int i = 0; i < CasesPerTest; ++i) {
        OperandPair pair = GetParam().Make(maker);
        if (i % 3 == 0)
            pair.B = pair.A; // equal patterns are rare otherwise
        const long double a = Hardware(pair.A);
        const long double b = Hardware(pair.B);
        ASSERT_STREQ(OrderName(pair.A <=> pair.B), OrderName(a <=> b))
            << testing::PrintToString(pair.A) << " <=> " << testing::PrintToString(pair.B);
        ASSERT_EQ(pair.A == pair.B, a == b)
            << testing::PrintToString(pair.A) << " == " << testing::PrintToString(pair.B);
    }
}

INSTANTIATE_TEST_SUITE_P(Operands, SoftwareExtendedComparison, testing::ValuesIn(PairKinds),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(SoftwareExtendedClassesAndSigns, MatchTheX87Unit)
{
    OperandMaker maker(1);
    for (int i = 0; i < CasesPerTest; ++i) {
        const SoftwareExtended x = maker.Any();
        const long double h = Hardware(x);
        ASSERT_EQ(isnan(x), std::isnan(h)) << testing::PrintToString(x);
        ASSERT_EQ(isinf(x), std::isinf(h)) << testing::PrintToString(x);
        ASSERT_EQ(isfinite(x), std::isfinite(h)) << testing::PrintToString(x);
        ASSERT_EQ(signbit(x), std::signbit(h)) << testing::PrintToString(x);
        ASSERT_EQ(fpclassify(x), std::fpclassify(h)) << testing::PrintToString(x);
        ASSERT_EQ(PatternOf(-x), PatternOf(-h)) << testing::PrintToString(x);
        ASSERT_EQ(PatternOf(fabs(x)), PatternOf(std::fabs(h))) << testing::PrintToString(x);
    }
}

TEST(SoftwareExtendedLibraryFunctions, MatchTheCLibrary)
{
    OperandMaker maker(3);
    for (int i = 0; i < CasesPerTest; ++i) {
        const SoftwareExtended x = maker.Accepted();
        const long double h = Hardware(x);
        ASSERT_EQ(PatternOf(trunc(x)), PatternOf(std::trunc(h))) << testing::PrintToString(x);
        ASSERT_EQ(llrint(x), std::llrint(h)) << testing::PrintToString(x);
        ASSERT_EQ(lrint(x), std::lrint(h)) << testing::PrintToString(x);
        // Mostly powers that carry a value near or past either end of the range.
        const int target = maker.Between(0, 1) != 0 ? maker.Between(-70, 3)
                                                    : maker.Between(LargestExponent - 3, LargestExponent + 3);
        const int power = maker.Between(0, 3) != 0 ? target - BiasedExponent(x) : maker.Between(-40000, 40000);
        ASSERT_EQ(PatternOf(ldexp(x, power)), PatternOf(std::ldexp(h, power)))
            << testing::PrintToString(x) << " * 2^" << power;
    }
}

// Every pattern but a NaN's and a pseudo-denormal's, which no operation gives.
TEST(SoftwareExtendedFromLongDouble, KeepsEveryValue)
{
    OperandMaker maker(4);
    for (int i = 0; i < CasesPerTest; ++i) {
        const SoftwareExtended x = maker.Accepted();
        const bool pseudoDenormal = BiasedExponent(x) == 0 && (x.Significand() & rounding::IntegerBit) != 0;
        if (!isnan(x) && !pseudoDenormal) {
            ASSERT_EQ(PatternOf(SoftwareExtended(Hardware(x))), PatternOf(x)) << testing::PrintToString(x);
        }
    }
}

// Integers with every bit length, as conversions meet them.
template <typename Integer>
Integer RandomInteger(OperandMaker& maker)
{
    const int length = maker.Between(0, std::numeric_limits<Integer>::digits);
    const auto magnitude = static_cast<Integer>(length == 0 ? 0 : maker.Bits() >> (64 - length));
    if constexpr (std::is_signed_v<Integer>)
        return maker.Between(0, 1) != 0 ? static_cast<Integer>(-magnitude - maker.Between(0, 1)) : magnitude;
    return magnitude;
}

// A value whose truncation fits Integer: what static_cast is defined for.
template <typename Integer>
SoftwareExtended InRange(OperandMaker& maker)
{
    const int digits = std::numeric_limits<Integer>::digits;
    const SoftwareExtended x = maker.Normal(Bias - 3, Bias + digits - 1);
    const bool negative = (x.SignExponent() & rounding::SignBit) != 0;
    return std::is_signed_v<Integer> || !negative ? x : WithExponent(x, Bias - maker.Between(1, 5)); // above -1
}

template <typename Integer>
void ExpectIntegerConversionsAsTheX87Unit(OperandMaker& maker)
{
    for (int i = 0; i < CasesPerTest / 4; ++i) {
        const Integer n = RandomInteger<Integer>(maker);
        ASSERT_EQ(PatternOf(SoftwareExtended(n)), PatternOf(static_cast<long double>(n))) << n;
        const SoftwareExtended x = InRange<Integer>(maker);
        ASSERT_EQ(static_cast<Integer>(x), static_cast<Integer>(Hardware(x))) << testing::PrintToString(x);
    }
}

TEST(SoftwareExtendedIntegerConversions, MatchTheX87Unit)
{
    OperandMaker maker(5);
    ExpectIntegerConversionsAsTheX87Unit<std::int64_t>(maker);
    ExpectIntegerConversionsAsTheX87Unit<std::uint64_t>(maker);
    ExpectIntegerConversionsAsTheX87Unit<std::int32_t>(maker);
    ExpectIntegerConversionsAsTheX87Unit<std::uint32_t>(maker);
}

TEST(SoftwareExtendedLimits, AreThoseOfTheX87LongDouble)
{
    using Soft = std::numeric_limits<SoftwareExtended>;
    using Hard = std::numeric_limits<long double>;
    const std::pair<SoftwareExtended, long double> values[] = {
        {Soft::min(), Hard::min()},
        {Soft::max(), Hard::max()},
        {Soft::lowest(), Hard::lowest()},
        {Soft::epsilon(), Hard::epsilon()},
        {Soft::round_error(), Hard::round_error()},
        {Soft::infinity(), Hard::infinity()},
        {Soft::quiet_NaN(), Hard::quiet_NaN()},
        {Soft::signaling_NaN(), Hard::signaling_NaN()},
        {Soft::denorm_min(), Hard::denorm_min()},
    };
    for (const auto& [software, hardware] : values)
        EXPECT_EQ(PatternOf(software), PatternOf(hardware));
}

} // namespace
} // namespace velmar
