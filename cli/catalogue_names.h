#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "cli/name_index.h"

namespace velmar {

// A category or unit named by the user: its catalogue index or 0-based list
// position, or a message saying why the name matched nothing.
struct NameLookup {
    int Index = -1;
    std::string Failure; // empty when found

    bool found() const { return Failure.empty(); }
};

// Looks up categories and units by display name in the tables in catalogue
// order. A category's unit index is built when the category is first asked
// about: a single conversion needs one of the 22. Not for use from several
// threads at once.
class CatalogueNames {
public:
    // Whether a failure message for an unknown name lists what the user could
    // have meant. Ambiguous names always list the names they match.
    enum class Detail { Brief, WithCandidates };

    // `catalogue` must outlive the lookup.
    explicit CatalogueNames(const UnitCatalogue& catalogue);

    NameLookup category(std::string_view name, Detail detail) const;
    NameLookup unit(int category, std::string_view name, Detail detail) const;
    int unitCount(int category) const;

private:
    const NameIndex& unitsOf(int category) const;

    const UnitCatalogue& catalogue_;
    NameIndex categories_;
    mutable std::vector<std::optional<NameIndex>> units_; // by catalogue index, once built
};

} // namespace velmar
