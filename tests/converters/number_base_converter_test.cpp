#include <gtest/gtest.h>

#include "catalogue/special_units.h"
#include "engine/number_base_converter.h"

using namespace velmar;

namespace {

constexpr Extended Binary = UnitId(NumbersUnit::Binary);
constexpr Extended Octal = UnitId(NumbersUnit::Octal);
constexpr Extended Decimal = UnitId(NumbersUnit::Decimal);
constexpr Extended Hexadecimal = UnitId(NumbersUnit::Hexadecimal);
constexpr Extended Roman = UnitId(NumbersUnit::RomanNumeral);

struct Case {
    std::string input;
    Extended from;
    Extended to;
    std::string expected;
};

void expectConversions(const std::vector<Case>& cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(Num_Change(c.input, c.from, c.to).Text, c.expected)
            << c.input.substr(0, 40) << " (" << c.input.size() << " characters) " << static_cast<int>(c.from) << "->"
            << static_cast<int>(c.to);
}

TEST(NumberBases, ConvertsBetweenBasesAndRomanNumerals)
{
    expectConversions({
        {"255", Decimal, Hexadecimal, "FF"},
        {"255", Decimal, Binary, "11111111"},
        {"255", Decimal, Octal, "377"},
        {"255", Decimal, BaseNUnitId(36), "73"},
        {"255", Decimal, Roman, "CCLV"},
        {"ff", Hexadecimal, Decimal, "255"},
        {"fF", BaseNUnitId(16), BaseNUnitId(10), "255"},
        {"MCMXCIV", Roman, Decimal, "1994"},
        {"IIII", Roman, Roman, "IV"},
        {"0000", Binary, Decimal, "0"},
        {"0", Decimal, Roman, ""},
        {"2147483647", Decimal, Hexadecimal, "7FFFFFFF"},
        {"2147483647", Decimal, BaseNUnitId(36), "ZIK0ZJ"},
        {"7FFFFFFF", Hexadecimal, Decimal, "2147483647"},
        {"17777777777", Octal, Decimal, "2147483647"},
        {"z", BaseNUnitId(36), Decimal, "35"},
        {"4000", Decimal, Roman, "MMMM"},
        {"999999", Decimal, Roman, std::string(999, 'M') + "CMXCIX"},
    });
}

TEST(NumberBases, RomanNumeralsAreReadFromTheRightWithoutFurtherRules)
{
    expectConversions({
        {"IIII", Roman, Decimal, "4"},
        {"IC", Roman, Decimal, "99"},
        {"VX", Roman, Decimal, "5"},
        {"IIX", Roman, Decimal, "10"},
        {"IM", Roman, Decimal, "999"},
        {"MMMM", Roman, Decimal, "4000"},
    });
}

TEST(NumberBases, RomanNumeralsRoundTrip)
{
    for (int value = 1; value <= 5000; ++value) {
        const std::string numeral = Num_Change(std::to_string(value), Decimal, Roman).Text;
        ASSERT_EQ(Num_Change(numeral, Roman, Decimal).Text, std::to_string(value)) << numeral;
        ASSERT_EQ(Num_Change(numeral, Roman, Roman).Text, numeral);
    }
}

TEST(NumberBases, CharactersOutsideTheSourceSetGiveTheUnitsMessage)
{
    expectConversions({
        {"12", Binary, Decimal, "invalid binary number"},
        {"8", Octal, Decimal, "invalid octal number"},
        {"1.5", Decimal, Binary, "invalid decimal number"},
        {"-1", Decimal, Binary, "invalid decimal number"},
        {" 1", Decimal, Binary, "invalid decimal number"},
        {"1,000", Decimal, Binary, "invalid decimal number"},
        {"G", Hexadecimal, Decimal, "invalid hexadecimal number"},
        {"mcm", Roman, Decimal, "invalid Roman numeral"},
        {"3", BaseNUnitId(3), Decimal, "invalid base-3 number"},
        {"ABC", BaseNUnitId(12), Decimal, "invalid base-12 number"},
        {"c", BaseNUnitId(12), Decimal, "invalid base-12 number"},
        {"é", BaseNUnitId(36), Decimal, "invalid base-36 number"},
        // the set is checked before the length limit
        {std::string(40, '1') + "2", Binary, Decimal, "invalid binary number"},
    });
}

TEST(NumberBases, LengthLimitsAndTheThirtyTwoBitRange)
{
    expectConversions({
        {"80000000", Hexadecimal, Decimal, "result too large"},
        {"2147483648", Decimal, Binary, "result too large"},
        {"4294967296", Decimal, Hexadecimal, "result too large"},
        {"000000001", Hexadecimal, Decimal, "result too large"},
        {"00000000001", Decimal, Decimal, "result too large"},
        {"20000000000", Octal, Decimal, "result too large"},
        {"1000000", Decimal, Roman, "result too large"},
        {"0" + std::string(31, '1'), Binary, Decimal, "2147483647"},
        {"1" + std::string(31, '0'), Binary, Decimal, "result too large"},
        {std::string(32, '0') + "1", Binary, Decimal, "result too large"},
        // the limits go with the base, whichever unit names it
        {std::string(32, '0') + "1", BaseNUnitId(2), Decimal, "result too large"},
        {"00000000001", BaseNUnitId(10), Decimal, "result too large"},
        {"0000000001", BaseNUnitId(10), Decimal, "1"},
        {"000000000001", BaseNUnitId(8), Decimal, "result too large"},
        {"00000000001", BaseNUnitId(8), Decimal, "1"},
        {"000000001", BaseNUnitId(16), Decimal, "result too large"},
        {"0000000f", BaseNUnitId(16), Decimal, "15"},
        {"0000000f", Hexadecimal, Decimal, "15"},
        {"00000000001", Octal, Decimal, "1"},
        // bases without a length limit: leading zeros stand for nothing
        {std::string(100, '0') + "ZIK0ZJ", BaseNUnitId(36), Decimal, "2147483647"},
        {std::string(100, '0') + "ZIK0ZK", BaseNUnitId(36), Decimal, "result too large"},
        {std::string(100, '0') + "1", BaseNUnitId(3), Decimal, "1"},
    });
}

TEST(NumberBases, LongRomanNumeralsNeverWrapAround)
{
    // 4294968 letters M sum to 704 modulo 2^32.
    expectConversions({
        {std::string(2147483, 'M') + "DCXLVII", Roman, Decimal, "2147483647"},
        {std::string(2147483, 'M') + "DCXLVIII", Roman, Decimal, "result too large"},
        {std::string(4294968, 'M'), Roman, Decimal, "result too large"},
        {std::string(1000, 'M'), Roman, Roman, "result too large"},
    });
}

// Length limits and the range check come before any work proportional to the value.
TEST(NumberBases, MegabyteInputs)
{
    const std::size_t megabyte = 1 << 20;
    const std::size_t megabytes10 = 10 * megabyte;
    expectConversions({
        {std::string(megabytes10, 'Z'), BaseNUnitId(36), Decimal, "result too large"},
        {std::string(megabytes10, '0'), BaseNUnitId(36), Decimal, "0"},
        {std::string(megabyte, '1'), Decimal, Binary, "result too large"},
        {std::string(megabyte, '1') + "-", Decimal, Binary, "invalid decimal number"},
        {std::string(megabyte, 'M'), Roman, Decimal, "1048576000"},
        {std::string(megabyte, 'I'), Roman, Hexadecimal, "100000"},
    });
}

TEST(NumberBases, EmptyInputOrMissingSelectionEmptiesTheResult)
{
    EXPECT_EQ(Num_Change("", Decimal, Binary).Text, "");
    EXPECT_EQ(Num_Change("5", std::nullopt, Binary).Text, "");
    EXPECT_EQ(Num_Change("5", Decimal, std::nullopt).Text, "");
}

TEST(NumberBases, BaseConvert)
{
    const struct {
        const char* Digits;
        std::int32_t SourceBase;
        std::int32_t TargetBase;
        const char* Text;
        ResultKind Kind;
    } cases[] = {
        {"xyz", 10, 0, "xyz", ResultKind::Value},
        {"255", 10, 16, "FF", ResultKind::Value},
        {"0", 2, 36, "0", ResultKind::Value},
        {"7fffffff", 16, 10, "2147483647", ResultKind::Value},
        {"100000000", 16, 10, "result too large", ResultKind::TooLarge},
        // Nonsense from a direct caller is refused, never looped over.
        {"12", 10, 1, "result too large", ResultKind::TooLarge},
        {"12", 1, 10, "result too large", ResultKind::TooLarge},
        {"1-2", 10, 10, "result too large", ResultKind::TooLarge},
    };
    for (const auto& c : cases) {
        const ConversionResult result = BaseConvert(c.Digits, c.SourceBase, c.TargetBase);
        EXPECT_EQ(result.Text, c.Text) << c.Digits;
        EXPECT_EQ(result.Kind, c.Kind) << c.Digits;
    }
}

} // namespace
