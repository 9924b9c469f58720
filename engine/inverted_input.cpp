#include "engine/inverted_input.h"

#include "engine/number_reading.h"
#include "engine/result_formatting.h"

namespace velmar {
namespace {

void replaceAll(std::string& text, std::string_view mark, std::string_view replacement)
{
    if (mark.empty())
        return;
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + replacement.size()))
        text.replace(at, mark.size(), replacement);
}

// The result text as the input box reads numbers: every thousands mark
// removed and the decimal mark written as ".".
std::string plainNumberText(std::string_view resultText, const RegionalMarks& marks)
{
    std::string text(resultText);
    replaceAll(text, marks.ThousandsMark, "");
    replaceAll(text, marks.DecimalMark, ".");
    return text;
}

} // namespace

std::string InvertedInputText(std::string_view resultText, const RegionalMarks& marks)
{
    // Read as it stands, without completing an unfinished exponent or point.
    const NumberReading reading = ReadNumber(plainNumberText(resultText, marks));
    const Extended value = reading.ErrorPosition == 0 ? reading.Value : 0;
    // The automatic form with "." and ",": the defaults of both settings.
    return FormatResult(value, NumberFormatSetting{}, RegionalMarks{});
}

} // namespace velmar
