#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmar {

// How results are written: ViewType 1 AutoFormat, 2 Scientific, 3 Fixed,
// 4 Fixed with Commas; Precision is the digit count of kinds 2 to 4.
struct NumberFormatSetting {
    std::int32_t ViewType = 1;
    std::int32_t Precision = 4;
    std::string FormatPattern = "%.10g";
};

// "%.10g", "%.*e", "%.*f" or "%.*n" for ViewType 1 to 4; "%.10g" otherwise.
std::string_view FormatPatternFor(std::int32_t viewType);

// The setting as a stored ViewType and Precision give it: a ViewType outside
// 1 to 4 becomes 1; Precision is kept as it is.
NumberFormatSetting MakeNumberFormatSetting(std::int32_t viewType, std::int32_t precision);

// The regional marks used when writing results, each one character (UTF-8).
struct RegionalMarks {
    std::string DecimalMark = ".";
    std::string ThousandsMark = ",";
};

} // namespace velmar
