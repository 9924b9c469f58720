#include "cli/conversion.h"

#include <exception>
#include <utility>

#include "engine/conversion_dispatch.h"
#include "engine/result_texts.h"

namespace velmar {

ConversionOutcome OutcomeOfText(std::string text)
{
    const auto kind = IsErrorText(text) ? ConversionOutcome::Kind::ErrorText : ConversionOutcome::Kind::Result;
    return {kind, std::move(text)};
}

ConversionOutcome OutcomeOfFault(const std::exception& fault)
{
    // Whatever escapes the converter is what the general error report shows.
    return {ConversionOutcome::Kind::Fault, std::string(fault.what()) + "."};
}

ConversionOutcome Convert(const UnitCatalogue& catalogue, const ConversionRequest& request,
                          const NumberFormatSetting& setting, const RegionalMarks& marks)
{
    try {
        return OutcomeOfText(ConvertInCategory(catalogue, request.Category, request.InputText, request.SourcePosition,
                                               request.TargetPosition, setting, marks));
    } catch (const std::exception& fault) {
        return OutcomeOfFault(fault);
    }
}

} // namespace velmar
