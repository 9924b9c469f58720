#pragma once

#include <string>

#include "catalogue/unit_catalogue.h"

namespace velmar {

// What one unit at `position` of a linear category is in the category's
// definition unit, converted and written as the result box writes it with
// AutoFormat ("0.3048 meter" for the foot). Empty in the special categories.
std::string UnitDefinitionText(const UnitCatalogue& catalogue, int category, int position);

} // namespace velmar
