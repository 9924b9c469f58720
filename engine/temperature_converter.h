#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "extended.h"
#include "number_format.h"

namespace velmar {

// Temperature: the result box's text for an input text and the unit ids of
// the selected source and target scales (nullopt: no selection). Arithmetic
// faults are not caught here: they escape as FloatingPointFault.
std::string Temp_Change(std::string_view inputText, std::optional<Extended> sourceId,
                        std::optional<Extended> targetId, const NumberFormatSetting& setting,
                        const RegionalMarks& marks);

} // namespace velmar
