#pragma once

#include <type_traits>

namespace velmar {

// The units of the three special categories. Their tables hold each unit's
// id where the linear tables hold a factor, so the id travels with the name
// when a table is reordered, and the converters read it back.

enum class TemperatureUnit { Celsius = 1, Fahrenheit, Kelvin, Rankine, Reaumur };

// The named bases and the Roman numeral; base-2 to base-36 follow them.
enum class NumbersUnit { Binary = 1, Octal, Decimal, Hexadecimal, RomanNumeral };

enum class FractionsUnit { ImproperFraction = 1, MixedNumber };

inline constexpr int SmallestListedBase = 2;
inline constexpr int LargestListedBase = 36;

// The id of a special unit as its table holds it.
template <typename Unit>
requires std::is_enum_v<Unit>
constexpr long double UnitId(Unit unit)
{
    return static_cast<long double>(static_cast<int>(unit));
}

// The id of the unit base-n: the base-n units follow the Roman numeral in
// order of their base.
constexpr long double BaseNUnitId(int base)
{
    return UnitId(NumbersUnit::RomanNumeral) + 1 + (base - SmallestListedBase);
}

} // namespace velmar
