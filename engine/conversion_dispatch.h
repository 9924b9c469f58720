#pragma once

#include <cstdint>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "engine/conversion_result.h"
#include "engine/number_format.h"

namespace velmar {

// Runs the converter of the category's kind (Fractions, Numbers, Temperature,
// or the linear converter for every other category) on an input text and two
// list positions (0-based, -1 or out of range: no selection) and returns its
// result. Faults the converter does not catch escape as FloatingPointFault.
ConversionResult ConvertInCategory(const UnitCatalogue& catalogue, int category, std::string_view inputText,
                                   std::int32_t sourcePosition, std::int32_t targetPosition,
                                   const NumberFormatSetting& setting, const RegionalMarks& marks);

} // namespace velmar
