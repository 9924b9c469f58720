#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace test_support {

// An exact positive rational number, for checking stored factors against
// their definitions: built from decimal literals, multiplied and divided
// without rounding, and rounded once at the end.
class ExactRational {
public:
    // A decimal literal such as "648000", "0.3048" or "1.66053906660e-27".
    explicit ExactRational(std::string_view literal);

    ExactRational operator*(const ExactRational& other) const;
    ExactRational operator/(const ExactRational& other) const;

    // The extended value nearest to this number, ties to even. Precondition:
    // the number lies in the normal range of extended values.
    long double NearestExtended() const;

    // A natural number of 32-bit limbs, least significant first.
    using Natural = std::vector<std::uint32_t>;

private:
    ExactRational(Natural numerator, Natural denominator);

    Natural numerator_;
    Natural denominator_;
};

} // namespace test_support
