#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// The short forms users type for one unit of one category: symbols,
// irregular plurals and common spellings, separated by '|'.
struct UnitAliasLine {
    int Category;
    std::string_view Unit; // the display name, as the unit table spells it
    std::string_view Aliases;
};

// The curated table, one line per unit.
std::span<const UnitAliasLine> UnitAliasLines();

// The aliases of one line, in its order.
std::vector<std::string_view> AliasesOf(const UnitAliasLine& line);

// The curated aliases of `unit` of `category`, in table order.
std::vector<std::string> CuratedAliasesOf(int category, std::string_view unit);

// The spellings derived from a display name: British "-metre"/"-litre",
// ASCII for "²", "³", "°" and "é", and a regular plural for plain names of
// linear categories. The display name itself is not among them.
std::vector<std::string> DerivedSpellingsOf(int category, std::string_view unit);

} // namespace velmar
