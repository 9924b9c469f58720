#pragma once

#include <array>
#include <cstdint>

#include "engine/extended.h"
#include "engine/powers_of_ten.h"

namespace velmar::powers_of_ten {

// Where the nearest extended value of a power of ten lies against the power.
enum class Rounding : std::uint8_t { Exact, Up, Down };

inline constexpr int TableSize = LargestExponent - SmallestExponent + 1;

// Indexed by k - SmallestExponent. Written at build time by
// generate_powers_of_ten from exact integer arithmetic, so that no program
// spends its start-up computing them. Values and directions apart: an 80-bit
// value with one byte beside it would take 32 bytes.
extern const std::array<Extended, TableSize> NearestValues;
extern const std::array<Rounding, TableSize> RoundingDirections;

} // namespace velmar::powers_of_ten
