#pragma once

#include <string>

#include "catalogue/unit_catalogue.h"

namespace velmar {

// Help pages and help-project fragments written from the unit tables, so that
// the manual always lists exactly the units the converter offers.

// "units_length.html", "units_dryvolume.html", ...
std::string categoryPageFileName(int category);

// One category's page: its units in table order, for the linear categories
// with what one of each is and the notes on their definitions.
std::string renderCategoryPage(const UnitCatalogue& catalogue, int category);

// The overview of all categories with their unit counts.
std::string renderCategoriesPage(const UnitCatalogue& catalogue);

// <section> entries of the contents tree, one per category.
std::string renderCategoryContents();

// <keyword> entries of the index: every category and every unit.
std::string renderUnitKeywords(const UnitCatalogue& catalogue);

} // namespace velmar
