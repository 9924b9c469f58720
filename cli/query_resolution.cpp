#include "cli/query_resolution.h"

#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "cli/query_names.h"
#include "cli/quoted_text.h"
#include "cli/suggestions.h"

namespace velmar {
namespace {

std::string quotedJoined(const std::vector<std::string_view>& texts, std::string_view lastJoin)
{
    std::vector<std::string> quoted;
    for (const std::string_view text : texts)
        quoted.push_back(QuotedForMessage(text));
    return ListedInWords(quoted, lastJoin);
}

std::string categoryList(const std::vector<int>& categories)
{
    std::vector<std::string> names;
    for (const int category : categories)
        names.emplace_back(categoryInfo(category).DisplayName);
    return ListedInWords(names, " and ");
}

class Resolver {
public:
    Resolver(const Query& query, std::optional<int> category)
        : query_(query)
    {
        if (category) {
            searched_.push_back(*category);
        } else {
            for (int index = 0; index < CategoryCount; ++index)
                searched_.push_back(index);
        }
        for (const QueryPart& part : query.Parts) {
            if (!part.Unit.empty())
                unitNames_.push_back(part.Unit);
        }
        unitNames_.push_back(query.Target);
    }

    ResolvedQuery resolve();

private:
    bool namesAll(int category) const;
    std::vector<int> categoriesNaming(std::string_view name) const;
    void reportUnmatched();
    void reportMisuse();
    std::string unknownUnit(std::string_view name) const;

    const Query& query_;
    std::vector<int> searched_;
    std::vector<std::string_view> unitNames_; // the parts' units, then the target
    ResolvedQuery resolved_;
};

bool Resolver::namesAll(int category) const
{
    for (const std::string_view name : unitNames_) {
        if (!QueryUnitPosition(category, name))
            return false;
    }
    return true;
}

std::vector<int> Resolver::categoriesNaming(std::string_view name) const
{
    std::vector<int> categories;
    for (const int category : searched_) {
        if (QueryUnitPosition(category, name))
            categories.push_back(category);
    }
    return categories;
}

std::string Resolver::unknownUnit(std::string_view name) const
{
    std::vector<std::string_view> candidates;
    for (const int category : searched_) {
        for (const std::string_view known : SuggestedUnitNames(category))
            candidates.push_back(known);
    }
    std::string message = "unknown unit " + QuotedForMessage(name);
    if (searched_.size() == 1)
        message += " in category " + QuotedForMessage(categoryInfo(searched_.front()).DisplayName);
    if (const std::string suggestion = DidYouMean(NearestNames(name, candidates)); !suggestion.empty())
        return message + "; " + suggestion;
    return message + "; --list shows the categories and --list CATEGORY their units";
}

// No category names every unit: each unknown name, or which categories the
// known names belong to.
void Resolver::reportUnmatched()
{
    std::string belongings;
    for (const std::string_view name : unitNames_) {
        const std::vector<int> categories = categoriesNaming(name);
        if (categories.empty())
            resolved_.Failures.push_back(unknownUnit(name));
        else
            belongings += "; " + QuotedForMessage(name) + " is a unit of " + categoryList(categories);
    }
    if (resolved_.Failures.empty())
        resolved_.Failures.push_back("no category has all of " + quotedJoined(unitNames_, " and ") + belongings);
}

void Resolver::reportMisuse()
{
    const bool fractions = resolved_.Category == FractionsIndex;
    const bool compound = query_.Parts.size() > 1;
    const std::string category(categoryInfo(resolved_.Category).DisplayName);
    if (compound && categoryInfo(resolved_.Category).Kind != CategoryKind::Linear)
        resolved_.Failures.push_back("only linear categories add up parts, and " + category + " is not one");
    else if (fractions && !query_.Parts.front().Unit.empty())
        resolved_.Failures.push_back("Fractions has no source unit: write VALUE to TO, as in \"2.25 to mixed\"");
    else if (!fractions && resolved_.Category != NumbersIndex && query_.Parts.front().Unit.empty())
        resolved_.Failures.push_back("say which unit " + QuotedForMessage(query_.Parts.front().Value)
                                     + " is in: VALUE FROM to TO, as in \"60 mph to km/h\"");
}

ResolvedQuery Resolver::resolve()
{
    std::vector<int> matching;
    for (const int category : searched_) {
        if (namesAll(category))
            matching.push_back(category);
    }
    if (matching.empty()) {
        reportUnmatched();
        return std::move(resolved_);
    }
    if (matching.size() > 1) {
        resolved_.Failures.push_back(quotedJoined(unitNames_, " and ") + " name units of " + categoryList(matching)
                                     + "; choose one with --category "
                                     + QuotedForMessage(categoryInfo(matching.front()).DisplayName)
                                     + " or write CATEGORY FROM TO VALUE");
        return std::move(resolved_);
    }

    resolved_.Category = matching.front();
    reportMisuse();
    // A number without a base is written in decimal, as people write numbers.
    const std::string_view unstated = resolved_.Category == NumbersIndex ? "decimal" : "";
    for (const QueryPart& part : query_.Parts) {
        const std::string_view unit = part.Unit.empty() ? unstated : std::string_view(part.Unit);
        resolved_.SourcePositions.push_back(unit.empty() ? -1 : *QueryUnitPosition(resolved_.Category, unit));
    }
    resolved_.TargetPosition = *QueryUnitPosition(resolved_.Category, query_.Target);
    return std::move(resolved_);
}

} // namespace

ResolvedQuery ResolveQuery(const Query& query, std::optional<int> category)
{
    return Resolver(query, category).resolve();
}

} // namespace velmar
