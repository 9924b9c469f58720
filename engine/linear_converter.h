#pragma once

#include <optional>
#include <string_view>

#include "engine/conversion_result.h"
#include "engine/extended.h"
#include "engine/number_format.h"

namespace velmar {

// The linear converter: the result for an input text and the factors of the
// selected source and target units (nullopt: no selection). Throws
// FloatingPointFault when the reading itself overflows.
ConversionResult Linear_Change(std::string_view inputText, std::optional<Extended> sourceFactor,
                               std::optional<Extended> targetFactor, const NumberFormatSetting& setting,
                               const RegionalMarks& marks);

} // namespace velmar
