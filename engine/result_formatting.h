#pragma once

#include <string>

#include "engine/extended.h"
#include "engine/number_format.h"

namespace velmar {

// The result text of `value` in the setting's form, with the regional marks.
std::string FormatResult(Extended value, const NumberFormatSetting& setting, const RegionalMarks& marks);

} // namespace velmar
