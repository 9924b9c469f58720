#include "cli/single_conversion.h"

#include "catalogue/unit_catalogue.h"
#include "cli/catalogue_names.h"
#include "cli/conversion.h"
#include "cli/named_request.h"
#include "cli/output.h"
#include "cli/quoted_text.h"
#include "cli/usage_error.h"

namespace velmar {
namespace {

constexpr int ErrorStatus = 1;

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

int RunSingleConversion(const CommandLine& command)
{
    const UnitCatalogue catalogue;
    const NamedRequest named{command.Operands[0], command.Operands[1], command.Operands[2], command.Operands[3]};
    const ResolvedRequest resolved
        = ResolveNames(CatalogueNames(catalogue), named, CatalogueNames::Detail::WithCandidates);
    if (!resolved.Failure.empty())
        return ReportUsageError(resolved.Failure);
    if (const std::string misuse = misuseOf(named, resolved.Request); !misuse.empty())
        return ReportUsageError(misuse);

    const NumberFormatSetting setting = MakeNumberFormatSetting(command.ViewType, command.Precision);
    const ConversionOutcome outcome = Convert(catalogue, resolved.Request, setting, command.Marks);
    if (outcome.Outcome == ConversionOutcome::Kind::Fault) {
        WriteToStandardError("error: " + outcome.Text + "\n");
        return ErrorStatus;
    }
    StandardOutput().write(outcome.Text);
    StandardOutput().write("\n");
    return outcome.Outcome == ConversionOutcome::Kind::ErrorText ? ErrorStatus : 0;
}

} // namespace velmar
