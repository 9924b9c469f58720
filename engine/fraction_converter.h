#pragma once

#include <optional>
#include <string_view>

#include "engine/conversion_result.h"
#include "engine/extended.h"

namespace velmar {

// Fractions: the result for an input text and the unit id of the selected
// target layout (nullopt: no selection). Throws FloatingPointFault only when
// the reading itself overflows.
ConversionResult Frac_Change(std::string_view inputText, std::optional<Extended> targetId);

} // namespace velmar
