#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "catalogue/unit_catalogue.h"

namespace velmar {

// The names a query may give each unit, written at build time by
// generate_query_name_table from the unit tables (in catalogue order) and the
// alias table, so that a one-shot conversion starts without building an index.

// One name: its text in QueryNamePool and the 0-based list position of its unit.
struct QueryNameEntry {
    std::uint32_t Offset;
    std::uint16_t Length;
    std::int16_t Position; // or SeveralUnits, among folded names only
};

inline constexpr std::int16_t SeveralUnits = -1;

struct CategoryQueryNames {
    std::span<const QueryNameEntry> Exact;     // sorted by name
    std::span<const QueryNameEntry> Folded;    // FoldCase of each name, sorted
    std::span<const QueryNameEntry> Suggested; // display names in list order, then curated aliases
};

extern const char QueryNamePool[];
extern const std::array<CategoryQueryNames, CategoryCount> QueryNameTable; // by catalogue index

inline std::string_view NameOf(const QueryNameEntry& entry)
{
    return {QueryNamePool + entry.Offset, entry.Length};
}

} // namespace velmar
