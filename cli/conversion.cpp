#include "conversion.h"

#include <exception>
#include <utility>

#include "conversion_dispatch.h"

namespace velmar {

ConversionOutcome Convert(const UnitCatalogue& catalogue, const ConversionRequest& request,
                          const NumberFormatSetting& setting, const RegionalMarks& marks)
{
    try {
        std::string text = ConvertInCategory(catalogue, request.Category, request.InputText, request.SourcePosition,
                                             request.TargetPosition, setting, marks);
        const auto kind = IsErrorText(text) ? ConversionOutcome::Kind::ErrorText : ConversionOutcome::Kind::Result;
        return {kind, std::move(text)};
    } catch (const std::exception& fault) {
        // Whatever escapes the converter is what the general error report shows.
        return {ConversionOutcome::Kind::Fault, std::string(fault.what()) + "."};
    }
}

bool IsErrorText(std::string_view resultText)
{
    // Every result is a number, "INF", "NAN", a Roman numeral or a fraction, so
    // no result can be mistaken for one of these.
    return resultText.starts_with("invalid ") || resultText == "result too large"
        || resultText == "decimal too precise";
}

} // namespace velmar
