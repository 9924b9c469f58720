#include "engine/unit_definition_text.h"

#include <algorithm>
#include <cassert>

#include "catalogue/unit_definitions.h"
#include "engine/linear_arithmetic.h"
#include "engine/number_format.h"
#include "engine/result_formatting.h"

namespace velmar {

std::string UnitDefinitionText(const UnitCatalogue& catalogue, int category, int position)
{
    const std::string_view definitionUnit = DefinitionUnitName(category);
    if (definitionUnit.empty())
        return {};
    const auto& table = catalogue.table(category);
    const auto target
        = std::find_if(table.begin(), table.end(), [&](const UnitEntry& unit) { return unit.Name == definitionUnit; });
    assert(target != table.end());
    // The table's factors are finite and far from the extended range, so
    // converting one unit never overflows.
    const Extended value = *ConvertByFactors(1, catalogue.unit(category, position).Factor, target->Factor);
    return FormatResult(value, NumberFormatSetting{}, RegionalMarks{}) + " " + std::string(definitionUnit);
}

} // namespace velmar
