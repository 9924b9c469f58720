#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/powers_of_ten.h"
#include "tests/engine/x87_long_double.h"

namespace velmar {
namespace {

using namespace powers_of_ten;

// floor(log10(v)) + 1 from the C library's exact decimal expansion. A short
// expansion decides unless its digits are all nines, or a one and zeros: then
// the full expansion (at most about 11600 digits for an extended value) does.
int ExpansionDecimalExponent(Extended v)
{
    std::vector<char> text(80);
    std::snprintf(text.data(), text.size(), "%.70Le", Hardware(v));
    const std::string shortForm(text.data());
    const std::string digits = shortForm.substr(0, 1) + shortForm.substr(2, 70);
    const bool undecided = digits.find_first_not_of('9') == std::string::npos
        || (digits[0] == '1' && digits.find_first_not_of('0', 1) == std::string::npos);
    if (undecided) {
        text.resize(17000);
        std::snprintf(text.data(), text.size(), "%.16500Le", Hardware(v));
    }
    return std::atoi(std::strchr(text.data(), 'e') + 1) + 1;
}

TEST(PowersOfTen, EachIsTheNearestExtendedValue)
{
    for (int k = SmallestExponent; k <= LargestExponent; ++k) {
        const std::string decimal = "1e" + std::to_string(k);
        ASSERT_EQ(Nearest(k), std::strtold(decimal.c_str(), nullptr)) << decimal;
    }
}

TEST(DecimalExponent, IsExactAtAndBesideEveryPowerOfTen)
{
    constexpr Extended Largest = std::numeric_limits<Extended>::max();
    for (int k = SmallestExponent; k <= LargestExponent; ++k) {
        const Extended power = Nearest(k);
        for (Extended v : {Extended{std::nextafter(Hardware(power), 0.0L)}, power,
                           Extended{std::nextafter(Hardware(power), Hardware(Largest))}})
            ASSERT_EQ(DecimalExponent(v), ExpansionDecimalExponent(v)) << "near 1e" << k;
    }
}

TEST(DecimalExponent, AtTheEndsOfTheNormalRange)
{
    EXPECT_EQ(DecimalExponent(std::numeric_limits<Extended>::max()), 4933);
    EXPECT_EQ(DecimalExponent(std::numeric_limits<Extended>::min()), -4931);
}

} // namespace
} // namespace velmar
