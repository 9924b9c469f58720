#include "cli/query_conversion.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cli/answer_output.h"
#include "cli/case_folding.h"
#include "cli/compound_conversion.h"
#include "cli/query.h"
#include "cli/query_resolution.h"

namespace velmar {
namespace {

std::string wholeQuery(std::span<const std::string_view> arguments)
{
    std::string text;
    for (const std::string_view argument : arguments)
        text += (text.empty() ? "" : " ") + std::string(argument);
    return text;
}

} // namespace

bool IsCategoryForm(std::span<const std::string_view> arguments)
{
    if (arguments.size() < 2)
        return false;
    const std::string folded = FoldCase(arguments.front());
    for (int category = 0; category < CategoryCount; ++category) {
        if (FoldCase(categoryInfo(category).DisplayName) == folded)
            return true;
    }
    // Four arguments without a connector can only mean CATEGORY FROM TO
    // VALUE: the category is then misspelt, and that form says so best.
    const bool connected = std::ranges::any_of(arguments, IsConnector);
    return arguments.size() == 4 && !connected && !StartsNumber(arguments.front());
}

QueryRunner::QueryRunner(const CommandLine& options)
    : options_(options)
{ }

int QueryRunner::run(std::span<const std::string_view> arguments) const
{
    const std::string query = wholeQuery(arguments);
    std::optional<int> category;
    if (!options_.Category.empty()) {
        NameLookup named
            = CatalogueNames(catalogue_).category(options_.Category, CatalogueNames::Detail::WithCandidates);
        if (!named.found())
            return PrintUsageFailures(std::vector{std::move(named.Failure)}, query, options_);
        category = named.Index;
    }

    const ParsedQuery parsed = ParseQuery(arguments);
    if (!parsed.Failure.empty())
        return PrintUsageFailures(std::vector{parsed.Failure}, query, options_);
    const ResolvedQuery resolved = ResolveQuery(parsed.Request, category);
    if (!resolved.Failures.empty())
        return PrintUsageFailures(resolved.Failures, query, options_);

    Answer answer{resolved.Category,
                  {},
                  {},
                  std::string(catalogue_.unit(resolved.Category, resolved.TargetPosition + 1).Name),
                  {}};
    std::vector<CompoundPart> parts;
    for (std::size_t i = 0; i < parsed.Request.Parts.size(); ++i) {
        const int position = resolved.SourcePositions[i];
        answer.Values.push_back(UpperCaseAsTyped(parsed.Request.Parts[i].Value));
        answer.Units.emplace_back(position < 0 ? std::string_view()
                                               : catalogue_.unit(resolved.Category, position + 1).Name);
    }
    for (std::size_t i = 0; i < answer.Values.size(); ++i)
        parts.push_back({answer.Values[i], resolved.SourcePositions[i]});

    const NumberFormatSetting setting = MakeNumberFormatSetting(options_.ViewType, options_.Precision);
    if (parts.size() > 1) {
        answer.Outcome
            = ConvertCompound(catalogue_, resolved.Category, parts, resolved.TargetPosition, setting, options_.Marks);
    } else {
        const ConversionRequest request{resolved.Category, parts.front().SourcePosition, resolved.TargetPosition,
                                        parts.front().InputText};
        answer.Outcome = Convert(catalogue_, request, setting, options_.Marks);
    }
    return PrintAnswer(answer, options_);
}

} // namespace velmar
