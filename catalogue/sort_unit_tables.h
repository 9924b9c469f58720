#pragma once

#include <string_view>

#include "catalogue/unit_catalogue.h"

namespace velmar {

// The alphabetical order of unit names: "a" to "z" count as "A" to "Z", every
// other character (space, "(", "[", "²", "é", ...) keeps its own code, and
// codes compare unsigned, a prefix before its longer names.
bool UnitNameKeyLess(std::string_view left, std::string_view right);

// Puts each of the 22 tables in UnitNameKeyLess order, in place. A unit's
// factor or id moves with its name; BuildUnitTables restores catalogue order.
void SortUnitTables(UnitCatalogue& catalogue);

} // namespace velmar
