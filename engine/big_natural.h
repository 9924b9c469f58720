#pragma once

#include <bit>
#include <cstdint>
#include <vector>

namespace velmar {

// A natural number of 32-bit limbs, least significant first. Just enough
// arithmetic to write powers of ten exactly in binary. Starts as 1.
class BigNatural {
public:
    static BigNatural PowerOfTwo(int exponent)
    {
        BigNatural number;
        number.limbs_.assign(exponent / 32 + 1, 0);
        number.limbs_.back() = std::uint32_t{1} << (exponent % 32);
        return number;
    }

    void MultiplyByTen()
    {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * 10 + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0)
            limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    // Floor division.
    void DivideByTen()
    {
        std::uint64_t remainder = 0;
        for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb) {
            const std::uint64_t current = (remainder << 32) | *limb;
            *limb = static_cast<std::uint32_t>(current / 10);
            remainder = current % 10;
        }
        while (limbs_.size() > 1 && limbs_.back() == 0)
            limbs_.pop_back();
    }

    int BitLength() const
    {
        const int topBits = 32 - std::countl_zero(limbs_.back());
        return static_cast<int>(limbs_.size() - 1) * 32 + topBits;
    }

    // The 64 bits from bit `low` upwards.
    std::uint64_t BitsFrom(int low) const
    {
        const int limb = low / 32;
        const int offset = low % 32;
        const std::uint64_t lower = limbAt(limb) | (std::uint64_t{limbAt(limb + 1)} << 32);
        const std::uint64_t upper = limbAt(limb + 2);
        return (lower >> offset) | (offset == 0 ? 0 : upper << (64 - offset));
    }

    bool AnyBitBelow(int index) const
    {
        for (int limb = 0; limb < index / 32; ++limb)
            if (limbs_[limb] != 0)
                return true;
        const std::uint32_t mask = (std::uint32_t{1} << (index % 32)) - 1;
        return (limbAt(index / 32) & mask) != 0;
    }

private:
    std::uint32_t limbAt(int index) const { return index < static_cast<int>(limbs_.size()) ? limbs_[index] : 0; }

    std::vector<std::uint32_t> limbs_{1};
};

} // namespace velmar
