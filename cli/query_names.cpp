#include "cli/query_names.h"

#include <algorithm>
#include <span>
#include <string>

#include "cli/case_folding.h"
#include "cli/query_name_table.h"

namespace velmar {
namespace {

std::optional<int> positionIn(std::span<const QueryNameEntry> entries, std::string_view name)
{
    const auto found = std::ranges::lower_bound(entries, name, {}, NameOf);
    if (found == entries.end() || NameOf(*found) != name)
        return std::nullopt;
    return found->Position;
}

} // namespace

std::optional<int> QueryUnitPosition(int category, std::string_view name)
{
    const CategoryQueryNames& names = QueryNameTable[static_cast<std::size_t>(category)];
    if (const std::optional<int> exact = positionIn(names.Exact, name))
        return exact;
    const std::optional<int> folded = positionIn(names.Folded, FoldCase(name));
    if (folded == SeveralUnits)
        return std::nullopt;
    return folded;
}

std::vector<std::string_view> SuggestedUnitNames(int category)
{
    std::vector<std::string_view> names;
    for (const QueryNameEntry& entry : QueryNameTable[static_cast<std::size_t>(category)].Suggested)
        names.push_back(NameOf(entry));
    return names;
}

} // namespace velmar
