#include "cli/batch_converter.h"

#include <optional>
#include <utility>

#include "cli/batch_line.h"
#include "cli/json_output.h"
#include "cli/named_request.h"

namespace velmar {

BatchConverter::BatchConverter(RegionalMarks marks, BatchReplyForm form)
    : names_(catalogue_)
    , marks_(std::move(marks))
    , form_(form)
{ }

void BatchConverter::convertLine(std::string_view line, std::string& output) const
{
    const Reply reply = replyTo(line);
    if (form_ == BatchReplyForm::Json)
        appendJson(reply, line, output);
    else
        appendText(reply, output);
    output += '\n';
}

void BatchConverter::convertLines(std::string_view lines, std::string& output) const
{
    for (std::size_t begin = 0; begin < lines.size();) {
        const std::size_t end = lines.find('\n', begin);
        convertLine(lines.substr(begin, end - begin), output);
        begin = end + 1;
    }
}

BatchConverter::Reply BatchConverter::replyTo(std::string_view line) const
{
    const ParsedBatchLine parsed = ParseBatchLine(line);
    if (!parsed.Malformation.empty())
        return {parsed.Malformation, {}, {}};

    ResolvedRequest resolved = ResolveNames(names_, parsed.Request.Names, CatalogueNames::Detail::Brief);
    if (!resolved.Failure.empty())
        return {std::move(resolved.Failure), {}, {}};

    const NumberFormatSetting setting = MakeNumberFormatSetting(parsed.Request.ViewType, parsed.Request.Precision);
    return {{}, resolved.Request, Convert(catalogue_, resolved.Request, setting, marks_)};
}

void BatchConverter::appendText(const Reply& reply, std::string& output) const
{
    const bool failed = !reply.Refusal.empty() || reply.Outcome.Outcome == ConversionOutcome::Kind::Fault;
    if (failed)
        output += "error: ";
    output += reply.Refusal.empty() ? reply.Outcome.Text : reply.Refusal;
}

void BatchConverter::appendJson(const Reply& reply, std::string_view line, std::string& output) const
{
    // A refused line has no category or units to tell; its input is the line.
    if (!reply.Refusal.empty()) {
        output += JsonObject({.Input = line, .Error = reply.Refusal});
        return;
    }
    const ConversionRequest& request = reply.Request;
    const auto unitName = [&](std::int32_t position) -> std::optional<std::string_view> {
        if (position < 0)
            return std::nullopt;
        return catalogue_.unit(request.Category, position + 1).Name;
    };
    const bool isResult = reply.Outcome.Outcome == ConversionOutcome::Kind::Result;
    const std::string_view text = reply.Outcome.Text;
    output += JsonObject({.Category = categoryInfo(request.Category).DisplayName,
                          .From = request.Category == FractionsIndex ? std::nullopt : unitName(request.SourcePosition),
                          .To = unitName(request.TargetPosition),
                          .Input = request.InputText,
                          .Result = isResult ? std::optional(text) : std::nullopt,
                          .Error = isResult ? std::nullopt : std::optional(text)});
}

} // namespace velmar
