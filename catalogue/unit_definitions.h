#pragma once

#include <string_view>

namespace velmar {

// The unit a category's definitions are written in: its reference unit, or a
// more familiar unit of the same table where the reference unit is not one
// (liter rather than the dry pint, lux rather than the foot-candle). Empty for
// Temperature, Numbers and Fractions, which have no factors.
std::string_view DefinitionUnitName(int category);

// Which definition a unit follows where several exist or the table once held
// another, and why; empty for units with nothing to explain.
std::string_view UnitNote(int category, std::string_view unitName);

} // namespace velmar
