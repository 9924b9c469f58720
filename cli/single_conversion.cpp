#include "cli/single_conversion.h"

#include "catalogue/unit_catalogue.h"
#include "cli/answer_output.h"
#include "cli/case_folding.h"
#include "cli/catalogue_names.h"
#include "cli/conversion.h"
#include "cli/named_request.h"
#include "cli/output.h"
#include "cli/quoted_text.h"
#include "cli/usage_error.h"

namespace velmar {
namespace {

// Fractions has no source unit; "-" or an empty FROM stands in for it.
bool isNoSourceUnit(std::string_view from)
{
    return from.empty() || from == "-";
}

// A usage error for names that resolve but make no sense on a command line:
// a missing unit, or a source unit for Fractions. Empty when all is well.
std::string misuseOf(const NamedRequest& named, const ConversionRequest& request)
{
    const std::string category = QuotedForMessage(categoryInfo(request.Category).DisplayName);
    if (request.Category == FractionsIndex) {
        if (!isNoSourceUnit(named.Source))
            return "Fractions has no source unit: give FROM as \"-\" or empty";
    } else if (request.SourcePosition < 0) {
        return "FROM must name a unit of " + category;
    }
    if (request.TargetPosition < 0)
        return "TO must name a unit of " + category;
    return {};
}

} // namespace

int RunSingleConversion(const CommandLine& options, std::span<const std::string_view> operands)
{
    if (operands.size() != 4)
        return ReportUsageError("expected CATEGORY FROM TO VALUE, got " + std::to_string(operands.size())
                                + " arguments");
    const UnitCatalogue catalogue;
    const std::string input = UpperCaseAsTyped(operands[3]);
    const NamedRequest named{operands[0], operands[1], operands[2], input};
    const ResolvedRequest resolved
        = ResolveNames(CatalogueNames(catalogue), named, CatalogueNames::Detail::WithCandidates);
    if (!resolved.Failure.empty())
        return ReportUsageError(resolved.Failure);
    if (const std::string misuse = misuseOf(named, resolved.Request); !misuse.empty())
        return ReportUsageError(misuse);

    const NumberFormatSetting setting = MakeNumberFormatSetting(options.ViewType, options.Precision);
    const ConversionRequest& request = resolved.Request;
    const auto nameAt = [&](std::int32_t position) {
        return position < 0 ? std::string() : std::string(catalogue.unit(request.Category, position + 1).Name);
    };
    const Answer answer{request.Category,
                        {input},
                        {nameAt(request.SourcePosition)},
                        nameAt(request.TargetPosition),
                        Convert(catalogue, request, setting, options.Marks)};
    return PrintAnswer(answer, options);
}

} // namespace velmar
