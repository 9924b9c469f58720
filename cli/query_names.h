#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace velmar {

// Units by every name a query may give them: display names, curated aliases
// and derived spellings (British, ASCII, plurals), in each category of the
// catalogue-order tables. An exact spelling wins; otherwise a spelling that
// ignores case (see FoldCase) is accepted when all its matches name one unit.

// The 0-based list position of the unit `name` stands for in `category`.
std::optional<int> QueryUnitPosition(int category, std::string_view name);

// The names worth suggesting for a slip: the display names in list order,
// then the curated aliases (derived spellings would crowd out other units).
std::vector<std::string_view> SuggestedUnitNames(int category);

} // namespace velmar
