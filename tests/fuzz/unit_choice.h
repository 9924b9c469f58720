#pragma once

#include <optional>

#include "catalogue/unit_catalogue.h"
#include "engine/extended.h"
#include "tests/fuzz/fuzz_support.h"

namespace velmar::fuzz {

// The id of one unit of a special category's table, or no selection.
inline std::optional<Extended> takeUnitId(FuzzInput& input, int category)
{
    static const UnitCatalogue catalogue;
    const auto& units = catalogue.table(category);
    const auto choice = input.takeIndex(units.size() + 1);
    if (choice == 0)
        return std::nullopt;
    return units[choice - 1].Factor;
}

} // namespace velmar::fuzz
