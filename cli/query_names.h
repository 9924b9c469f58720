#pragma once

#include <memory_resource>
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
    QueryNames(const QueryNames&) = delete;
    QueryNames& operator=(const QueryNames&) = delete;

    // The 0-based list position of the unit `name` stands for in `category`.
    std::optional<int> unit(int category, std::string_view name) const;

    // The names worth suggesting for a slip: the display names in list
    // order, then the curated aliases (derived spellings would crowd out
    // other units).
    const std::pmr::vector<std::string_view>& suggestedNamesOf(int category) const;

private:
    static constexpr int SeveralUnits = -1;

    using PositionByName = std::pmr::unordered_map<std::string_view, int>;
    struct CategoryNames {
        explicit CategoryNames(std::pmr::memory_resource* pool);

        std::pmr::vector<std::string_view> Suggested;
        PositionByName Exact;  // name to position
        PositionByName Folded; // folded name to position, or SeveralUnits
    };

    enum class Kind { Suggested, Derived };
    // `name` must outlive the index: the catalogue's and alias table's own
    // texts do, and made-up spellings are kept in the pool first.
    void add(CategoryNames& names, std::string_view name, int position, Kind kind);
    std::string_view keep(std::string_view text);

    // Every name and table node of a one-shot program lives in one pool:
    // building the index is most of its start-up, and heap allocations
    // (and their freeing at exit) were most of that.
    std::pmr::monotonic_buffer_resource pool_;
    std::pmr::vector<CategoryNames> categories_; // by catalogue index
};

} // namespace velmar
