#pragma once

#include <string>
#include <string_view>

#include "cli/catalogue_names.h"
#include "cli/conversion.h"

namespace velmar {

// A conversion as users write it: category and units by display name. An
// empty unit name means no selection; Fractions ignore the source unit.
struct NamedRequest {
    std::string_view Category;
    std::string_view Source;
    std::string_view Target;
    std::string_view Input;
};

struct ResolvedRequest {
    ConversionRequest Request;
    std::string Failure; // empty when every name was found
};

// A unit is found by its display name (exactly, else uniquely ignoring case),
// then by any name a query may give it (symbols, plurals, ASCII spellings:
// see QueryUnitPosition), then by its position in --list CATEGORY.
ResolvedRequest ResolveNames(const CatalogueNames& names, const NamedRequest& named, CatalogueNames::Detail detail);

} // namespace velmar
