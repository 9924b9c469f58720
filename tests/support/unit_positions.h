#pragma once

#include <string_view>

#include "catalogue/unit_catalogue.h"

namespace velmar::test_support {

// The 0-based list position of the unit named `name` in the category's table
// as it stands (sorted or not); -1, no selection, for an empty name. Throws
// std::invalid_argument when no unit has that name.
int PositionOf(const UnitCatalogue& catalogue, int category, std::string_view name);

} // namespace velmar::test_support
