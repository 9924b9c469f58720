#include "cli/batch_converter.h"

#include <utility>

#include "cli/batch_line.h"
#include "cli/conversion.h"
#include "cli/named_request.h"

namespace velmar {
namespace {

void appendError(std::string& output, std::string_view message)
{
    output += "error: ";
    output += message;
}

} // namespace

BatchConverter::BatchConverter(RegionalMarks marks)
    : names_(catalogue_)
    , marks_(std::move(marks))
{ }

void BatchConverter::convertLine(std::string_view line, std::string& output) const
{
    appendReply(line, output);
    output += '\n';
}

void BatchConverter::appendReply(std::string_view line, std::string& output) const
{
    const ParsedBatchLine parsed = ParseBatchLine(line);
    if (!parsed.Malformation.empty())
        return appendError(output, parsed.Malformation);

    const ResolvedRequest resolved = ResolveNames(names_, parsed.Request.Names, CatalogueNames::Detail::Brief);
    if (!resolved.Failure.empty())
        return appendError(output, resolved.Failure);

    const NumberFormatSetting setting = MakeNumberFormatSetting(parsed.Request.ViewType, parsed.Request.Precision);
    const ConversionOutcome outcome = Convert(catalogue_, resolved.Request, setting, marks_);
    if (outcome.Outcome == ConversionOutcome::Kind::Fault)
        return appendError(output, outcome.Text);
    output += outcome.Text;
}

} // namespace velmar
