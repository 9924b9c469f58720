#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/unit_catalogue.h"

namespace velmar {

// Units by every name a query may give them: display names and aliases, in
// each category. An exact spelling wins; otherwise a spelling that ignores
// case (see FoldCase) is accepted when all its matches name one unit.
class QueryNames {
public:
    explicit QueryNames(const UnitCatalogue& catalogue);

    // The 0-based list position of the unit `name` stands for in `category`.
    std::optional<int> unit(int category, std::string_view name) const;

    // The names worth suggesting for a slip: the display names in list
    // order, then the curated aliases (derived spellings would crowd out
    // other units).
    const std::vector<std::string>& suggestedNamesOf(int category) const;

private:
    static constexpr int SeveralUnits = -1;

    struct CategoryNames {
        std::vector<std::string> Suggested;
        std::unordered_map<std::string, int> Exact;  // name to position
        std::unordered_map<std::string, int> Folded; // folded name to position, or SeveralUnits
    };

    enum class Kind { Suggested, Derived };
    void add(CategoryNames& names, std::string name, int position, Kind kind);

    std::vector<CategoryNames> categories_; // by catalogue index
};

} // namespace velmar
