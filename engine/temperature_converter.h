#pragma once

#include <optional>
#include <string_view>

#include "engine/conversion_result.h"
#include "engine/extended.h"
#include "engine/number_format.h"

namespace velmar {

// One ninth as the extended value nearest to 1/9. Stored rather than computed
// at run time, because the converted temperatures depend on its last bit.
inline constexpr Extended OneNinth = 0x1.c71c71c71c71c71cp-4L;

// Temperature: the result for an input text and the unit ids of the selected
// source and target scales (nullopt: no selection). Arithmetic faults are not
// caught here: they escape as FloatingPointFault.
ConversionResult Temp_Change(std::string_view inputText, std::optional<Extended> sourceId,
                             std::optional<Extended> targetId, const NumberFormatSetting& setting,
                             const RegionalMarks& marks);

} // namespace velmar
