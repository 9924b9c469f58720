#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/query.h"

namespace velmar {

struct ResolvedQuery {
    int Category = -1;
    std::vector<int> SourcePositions; // one per part, 0-based, -1 for no unit
    int TargetPosition = -1;
    std::vector<std::string> Failures; // every reason the query cannot run
};

// Finds the category in which every unit of the query has a name (or uses
// `category` when given) and the units' list positions. A name that matches
// nothing is reported with the names it may have been meant as.
ResolvedQuery ResolveQuery(const Query& query, std::optional<int> category);

} // namespace velmar
