#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmar {

// How results are written, by the numbers the settings file stores as
// ViewType: Scientific, Fixed and Commas (Fixed with thousands marks) write
// Precision digits.
enum class ResultForm : std::int32_t { AutoFormat = 1, Scientific, Fixed, Commas };

// The form a stored ViewType names; any number outside 1 to 4 names AutoFormat.
ResultForm ResultFormOf(std::int32_t viewType);

// The ViewType that stores a form.
constexpr std::int32_t ViewTypeOf(ResultForm form)
{
    return static_cast<std::int32_t>(form);
}

struct NumberFormatSetting {
    ResultForm ViewType = ResultForm::AutoFormat;
    std::int32_t Precision = 4;
    // The printf pattern the form stands for, kept as part of the stored
    // design; the formatter does not read it.
    std::string FormatPattern = "%.10g";
};

// "%.10g", "%.*e", "%.*f" or "%.*n" for AutoFormat, Scientific, Fixed, Commas.
std::string_view FormatPatternFor(ResultForm form);

// The setting of a form and Precision, which is kept as it is.
NumberFormatSetting MakeNumberFormatSetting(ResultForm form, std::int32_t precision);

// The regional marks used when writing results, each one character (UTF-8).
struct RegionalMarks {
    std::string DecimalMark = ".";
    std::string ThousandsMark = ",";
};

} // namespace velmar
