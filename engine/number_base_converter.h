#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/conversion_result.h"
#include "engine/extended.h"

namespace velmar {

// Numbers: the result for an input text and the unit ids of the selected
// source and target units (nullopt: no selection). Never throws.
ConversionResult Num_Change(std::string_view inputText, std::optional<Extended> sourceId,
                            std::optional<Extended> targetId);

// The digit text in base `targetBase`, or "result too large"; a target base of
// 0 returns the text unchanged.
ConversionResult BaseConvert(std::string_view digits, std::int32_t sourceBase, std::int32_t targetBase);

} // namespace velmar
