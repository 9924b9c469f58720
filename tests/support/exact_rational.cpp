#include "tests/support/exact_rational.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <utility>

namespace test_support {
namespace {

using Natural = ExactRational::Natural;

void trim(Natural& number)
{
    while (number.size() > 1 && number.back() == 0)
        number.pop_back();
}

Natural product(const Natural& left, const Natural& right)
{
    Natural result(left.size() + right.size(), 0);
    for (std::size_t i = 0; i < left.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < right.size(); ++j) {
            const std::uint64_t sum = std::uint64_t{left[i]} * right[j] + result[i + j] + carry;
            result[i + j] = static_cast<std::uint32_t>(sum);
            carry = sum >> 32;
        }
        result[i + right.size()] = static_cast<std::uint32_t>(carry);
    }
    trim(result);
    return result;
}

// number * 10 + digit, in place.
void appendDigit(Natural& number, std::uint32_t digit)
{
    std::uint64_t carry = digit;
    for (std::uint32_t& limb : number) {
        const std::uint64_t sum = std::uint64_t{limb} * 10 + carry;
        limb = static_cast<std::uint32_t>(sum);
        carry = sum >> 32;
    }
    if (carry != 0)
        number.push_back(static_cast<std::uint32_t>(carry));
}

Natural powerOfTen(int exponent)
{
    Natural power{1};
    for (int k = 0; k < exponent; ++k)
        appendDigit(power, 0);
    return power;
}

int bitLength(const Natural& number)
{
    const int top = 32 - std::countl_zero(number.back());
    return static_cast<int>(number.size() - 1) * 32 + top;
}

Natural shiftedLeft(const Natural& number, int bits)
{
    Natural result(static_cast<std::size_t>(bits / 32), 0);
    const int offset = bits % 32;
    std::uint32_t carry = 0;
    for (const std::uint32_t limb : number) {
        result.push_back(offset == 0 ? limb : (limb << offset) | carry);
        carry = offset == 0 ? 0 : limb >> (32 - offset);
    }
    result.push_back(carry);
    trim(result);
    return result;
}

int compare(const Natural& left, const Natural& right)
{
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    for (std::size_t i = left.size(); i-- > 0;) {
        if (left[i] != right[i])
            return left[i] < right[i] ? -1 : 1;
    }
    return 0;
}

// left -= right. Precondition: left >= right.
void subtract(Natural& left, const Natural& right)
{
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < left.size(); ++i) {
        std::int64_t difference = std::int64_t{left[i]} - borrow - (i < right.size() ? right[i] : 0);
        borrow = difference < 0;
        left[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
    trim(left);
}

// A quotient below 2^66 in two words; 32-bit targets have no 128-bit integer.
struct WideQuotient {
    std::uint64_t High = 0; // bits 64 and 65
    std::uint64_t Low = 0;
};

// floor(dividend / divisor), leaving the remainder in dividend.
// Precondition: the quotient is below 2^66.
WideQuotient divide(Natural& dividend, const Natural& divisor)
{
    WideQuotient quotient;
    for (int bit = 65; bit >= 0; --bit) {
        const Natural shifted = shiftedLeft(divisor, bit);
        if (compare(dividend, shifted) >= 0) {
            subtract(dividend, shifted);
            if (bit >= 64)
                quotient.High |= std::uint64_t{1} << (bit - 64);
            else
                quotient.Low |= std::uint64_t{1} << bit;
        }
    }
    return quotient;
}

} // namespace

ExactRational::ExactRational(std::string_view literal)
    : numerator_{0}
    , denominator_{1}
{
    int fractionDigits = 0;
    bool inFraction = false;
    std::size_t at = 0;
    for (; at < literal.size() && literal[at] != 'e' && literal[at] != 'E'; ++at) {
        if (literal[at] == '.') {
            inFraction = true;
            continue;
        }
        if (literal[at] < '0' || literal[at] > '9')
            throw std::invalid_argument("not a decimal literal: " + std::string(literal));
        appendDigit(numerator_, static_cast<std::uint32_t>(literal[at] - '0'));
        fractionDigits += inFraction;
    }
    const int exponent = at < literal.size() ? std::stoi(std::string(literal.substr(at + 1))) : 0;
    const int power = exponent - fractionDigits;
    (power >= 0 ? numerator_ : denominator_)
        = product(power >= 0 ? numerator_ : denominator_, powerOfTen(std::abs(power)));
    trim(numerator_);
}

ExactRational::ExactRational(Natural numerator, Natural denominator)
    : numerator_(std::move(numerator))
    , denominator_(std::move(denominator))
{ }

ExactRational ExactRational::operator*(const ExactRational& other) const
{
    return {product(numerator_, other.numerator_), product(denominator_, other.denominator_)};
}

ExactRational ExactRational::operator/(const ExactRational& other) const
{
    return {product(numerator_, other.denominator_), product(denominator_, other.numerator_)};
}

long double ExactRational::NearestExtended() const
{
    // Scale by 2^shift so that the quotient has exactly 64 bits.
    int shift = 63 - (bitLength(numerator_) - bitLength(denominator_));
    for (;;) {
        Natural remainder = shift >= 0 ? shiftedLeft(numerator_, shift) : numerator_;
        const Natural divisor = shift >= 0 ? denominator_ : shiftedLeft(denominator_, -shift);
        WideQuotient quotient = divide(remainder, divisor);
        constexpr std::uint64_t TopBit = std::uint64_t{1} << 63;
        if (quotient.High == 0 && quotient.Low < TopBit) {
            ++shift;
            continue;
        }
        if (quotient.High != 0) {
            --shift;
            continue;
        }
        const int half = compare(shiftedLeft(remainder, 1), divisor);
        if (half > 0 || (half == 0 && (quotient.Low & 1) != 0)) {
            if (++quotient.Low == 0) { // rounded up to 2^64
                quotient.Low = TopBit;
                --shift;
            }
        }
        return std::ldexp(static_cast<long double>(quotient.Low), -shift);
    }
}

} // namespace test_support
