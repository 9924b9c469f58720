// SoftwareExtended against patterns known from the x87 unit, on any machine:
// the roundings and special results the converters' checks depend on.
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "engine/software_extended.h"
#include "tests/engine/extended_pattern.h"

namespace velmar {
namespace {

using Limits = std::numeric_limits<SoftwareExtended>;

constexpr SoftwareExtended Pattern(std::uint16_t signExponent, std::uint64_t significand)
{
    return SoftwareExtended::FromBits(signExponent, significand);
}

// 2^power for a normal power.
constexpr SoftwareExtended PowerOfTwo(int power)
{
    return Pattern(static_cast<std::uint16_t>(16383 + power), std::uint64_t{1} << 63);
}

constexpr SoftwareExtended One = 1;
constexpr SoftwareExtended Zero = 0;
constexpr SoftwareExtended Infinity = Limits::infinity();
constexpr SoftwareExtended Indefinite = Pattern(0xffff, 0xc000000000000000);

struct ValueCase {
    const char* Name;
    SoftwareExtended Result;
    ExtendedPattern Expected;
};

constexpr ValueCase ValueCases[] = {
    {"1/3", One / 3, {0x3ffd, 0xaaaaaaaaaaaaaaab}},
    {"2/3", SoftwareExtended(2) / 3, {0x3ffe, 0xaaaaaaaaaaaaaaab}},
    {"1/10", One / 10, {0x3ffb, 0xcccccccccccccccd}},
    {"0.1L", 0.1L, {0x3ffb, 0xcccccccccccccccd}},
    {"273.15L", 273.15L, {0x4007, 0x8893333333333333}},
    {"1 + 2^-64, a tie, keeps the even 1", One + PowerOfTwo(-64), {0x3fff, 0x8000000000000000}},
    {"1 + 2^-63 + 2^-64, a tie, goes up to even",
     Pattern(0x3fff, 0x8000000000000001) + PowerOfTwo(-64),
     {0x3fff, 0x8000000000000002}},
    {"1 - 2^-65, a tie below 1, goes up to 1", One - PowerOfTwo(-65), {0x3fff, 0x8000000000000000}},
    {"half the smallest denormal, a tie, is zero", Limits::denorm_min() / 2, {0x0000, 0}},
    {"three halves of the smallest denormal go up to two", Limits::denorm_min() * 3 / 2, {0x0000, 2}},
    {"the largest denormal times 1 + 2^-63 is the smallest normal",
     Pattern(0x0000, 0x7fffffffffffffff) * Pattern(0x3fff, 0x8000000000000001),
     {0x0001, 0x8000000000000000}},
    {"half the smallest normal is an exact denormal", Limits::min() / 2, {0x0000, 0x4000000000000000}},
    {"a denormal plus a normal", Limits::denorm_min() + Limits::min(), {0x0001, 0x8000000000000001}},
    {"twice the largest value overflows", Limits::max() * 2, {0x7fff, 0x8000000000000000}},
    {"the largest value plus half its last bit overflows",
     Limits::max() + Pattern(0x7ffe - 64, 1ULL << 63),
     {0x7fff, 0x8000000000000000}},
    {"minus the largest value, minus it again", -Limits::max() - Limits::max(), {0xffff, 0x8000000000000000}},
    {"1/0", One / Zero, {0x7fff, 0x8000000000000000}},
    {"1/-0", One / -Zero, {0xffff, 0x8000000000000000}},
    {"0/0 is the real indefinite", Zero / Zero, {0xffff, 0xc000000000000000}},
    {"inf - inf", Infinity - Infinity, {0xffff, 0xc000000000000000}},
    {"0 * inf", Zero* Infinity, {0xffff, 0xc000000000000000}},
    {"inf / inf", Infinity / -Infinity, {0xffff, 0xc000000000000000}},
    {"an unnormal operand is invalid", Pattern(0x3fff, 0x4000000000000000) + One, {0xffff, 0xc000000000000000}},
    {"3 - 3 is +0", SoftwareExtended(3) - 3, {0x0000, 0}},
    {"-0 + -0", -Zero + -Zero, {0x8000, 0}},
    {"-0 + 0", -Zero + Zero, {0x0000, 0}},
    {"-0 - 0", -Zero - Zero, {0x8000, 0}},
    {"-1 * 0", -One* Zero, {0x8000, 0}},
    {"a signalling NaN is quieted", Pattern(0x7fff, 0x8000000000000005) + One, {0x7fff, 0xc000000000000005}},
    {"a quiet NaN wins over a signalling one",
     Pattern(0x7fff, 0x8000000000000005) * Pattern(0xffff, 0xc000000000000001),
     {0xffff, 0xc000000000000001}},
    {"of two quiet NaNs the larger significand",
     Pattern(0x7fff, 0xc000000000000001) - Pattern(0xffff, 0xc000000000000002),
     {0xffff, 0xc000000000000002}},
    {"of equal significands the positive NaN",
     Pattern(0xffff, 0xc000000000000001) / Pattern(0x7fff, 0xc000000000000001),
     {0x7fff, 0xc000000000000001}},
    {"a NaN subtrahend keeps its sign", One - Pattern(0x7fff, 0xc000000000000001), {0x7fff, 0xc000000000000001}},
    {"INT64_MIN", std::numeric_limits<std::int64_t>::min(), {0xc03e, 0x8000000000000000}},
    {"UINT64_MAX", std::numeric_limits<std::uint64_t>::max(), {0x403e, 0xffffffffffffffff}},
    {"trunc(-0.5)", trunc(SoftwareExtended(-0.5L)), {0x8000, 0}},
    {"trunc(-2.75)", trunc(SoftwareExtended(-2.75L)), {0xc000, 0x8000000000000000}},
    {"ldexp(1, -16445)", ldexp(One, -16445), {0x0000, 1}},
    {"ldexp(1, -16446), a tie, is zero", ldexp(One, -16446), {0x0000, 0}},
    {"ldexp(1, 16384)", ldexp(One, 16384), {0x7fff, 0x8000000000000000}},
    {"fabs of the indefinite", fabs(Indefinite), {0x7fff, 0xc000000000000000}},
};

TEST(SoftwareExtendedKnownValues, AreTheX87Patterns)
{
    for (const ValueCase& c : ValueCases)
        EXPECT_EQ(PatternOf(c.Result), c.Expected) << c.Name;
}

struct IntegerCase {
    const char* Name;
    long long Result;
    long long Expected;
};

constexpr long long Int64Indefinite = std::numeric_limits<long long>::min();
constexpr long long Int32Indefinite = std::numeric_limits<std::int32_t>::min();

constexpr IntegerCase IntegerCases[] = {
    {"(int32_t)-2.5", static_cast<std::int32_t>(SoftwareExtended(-2.5L)), -2},
    {"(int32_t)-2^31", static_cast<std::int32_t>(-PowerOfTwo(31)), -2147483648LL},
    {"(int32_t)2^31", static_cast<std::int32_t>(PowerOfTwo(31)), Int32Indefinite},
    {"(int32_t)(2^31 - 1)", static_cast<std::int32_t>(PowerOfTwo(31) - 1), 2147483647},
    {"(uint64_t)(2^64 - 1)", static_cast<long long>(static_cast<std::uint64_t>(Pattern(0x403e, ~0ULL))),
     static_cast<long long>(std::numeric_limits<std::uint64_t>::max())},
    {"(uint32_t)-0.5", static_cast<std::uint32_t>(SoftwareExtended(-0.5L)), 0},
    {"(int64_t)0.9999", static_cast<std::int64_t>(SoftwareExtended(0.9999L)), 0},
    {"llrint(2.5)", llrint(SoftwareExtended(2.5L)), 2},
    {"llrint(3.5)", llrint(SoftwareExtended(3.5L)), 4},
    {"llrint(-0.5)", llrint(SoftwareExtended(-0.5L)), 0},
    {"llrint(-2^63)", llrint(-PowerOfTwo(63)), std::numeric_limits<long long>::min()},
    {"llrint(2^63)", llrint(PowerOfTwo(63)), Int64Indefinite},
    {"llrint(2^63 - 0.5), a tie, goes up out of range", llrint(Pattern(0x403d, ~0ULL)), Int64Indefinite},
    {"llrint(NaN)", llrint(Limits::quiet_NaN()), Int64Indefinite},
    {"lrint(-inf)", lrint(-Infinity), Int64Indefinite},
};

TEST(SoftwareExtendedKnownIntegers, AreTheX87Integers)
{
    for (const IntegerCase& c : IntegerCases)
        EXPECT_EQ(c.Result, c.Expected) << c.Name;
}

struct ComparisonCase {
    const char* Name;
    bool Result;
};

constexpr SoftwareExtended QuietNaN = Limits::quiet_NaN();

constexpr ComparisonCase ComparisonCases[] = {
    {"NaN != NaN", QuietNaN != QuietNaN},
    {"!(NaN == NaN)", !(QuietNaN == QuietNaN)},
    {"!(NaN < 1) && !(NaN >= 1)", !(QuietNaN < 1) && !(QuietNaN >= 1)},
    {"-0 == 0", -Zero == Zero},
    {"-0 <= 0 && 0 <= -0", -Zero <= Zero&& Zero <= -Zero},
    {"0 < the smallest denormal", Zero < Limits::denorm_min()},
    {"the largest denormal < the smallest normal", Pattern(0x0000, 0x7fffffffffffffff) < Limits::min()},
    {"a pseudo-denormal == the normal of its value", Pattern(0x0000, 0x8000000000000000) == Limits::min()},
    {"-inf < -max < -1 < -0", -Infinity < -Limits::max() && -Limits::max() < -One && -One < -Zero},
    {"an unnormal is unordered", !(Pattern(0x3fff, 0x4000000000000000) == Pattern(0x3fff, 0x4000000000000000))},
    {"isnan(unnormal)", isnan(Pattern(0x3fff, 0x4000000000000000))},
    {"isinf(-inf) && !isfinite(-inf)", isinf(-Infinity) && !isfinite(-Infinity)},
    {"1 == 1.0L", One == 1.0L},
};

TEST(SoftwareExtendedKnownComparisons, AreThoseOfTheX87Unit)
{
    for (const ComparisonCase& c : ComparisonCases)
        EXPECT_TRUE(c.Result) << c.Name;
}

} // namespace
} // namespace velmar
