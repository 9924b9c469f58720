#pragma once

#include <array>

#include "engine/number_format.h"
#include "tests/fuzz/fuzz_support.h"

namespace velmar::fuzz {

// The regional mark pairs results are written with: the defaults, the
// swapped pair of many European locales, and multi-byte marks.
inline const RegionalMarks& takeMarks(FuzzInput& input)
{
    static const std::array<RegionalMarks, 3> pairs{{
        {".", ","}, {",", "."}, {"\xD9\xAB", "\xE2\x80\xAF"}, // Arabic decimal separator, narrow no-break space
    }};
    return pairs[input.takeIndex(pairs.size())];
}

// A form as a stored ViewType names it (mostly 1 to 4, sometimes outside)
// and any precision.
inline NumberFormatSetting takeNumberFormat(FuzzInput& input)
{
    const auto viewType = static_cast<std::int32_t>(input.takeIndex(6));
    return MakeNumberFormatSetting(ResultFormOf(viewType), input.takeInt32());
}

} // namespace velmar::fuzz
