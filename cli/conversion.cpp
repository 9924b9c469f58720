#include "cli/conversion.h"

#include <exception>
#include <utility>

#include "engine/conversion_dispatch.h"

namespace velmar {

ConversionOutcome OutcomeOf(ConversionResult result)
{
    const auto kind = result.IsError() ? ConversionOutcome::Kind::ErrorText : ConversionOutcome::Kind::Result;
    return {kind, std::move(result.Text)};
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
        return OutcomeOf(ConvertInCategory(catalogue, request.Category, request.InputText, request.SourcePosition,
                                           request.TargetPosition, setting, marks));
    } catch (const std::exception& fault) {
        return OutcomeOfFault(fault);
    }
}

} // namespace velmar
