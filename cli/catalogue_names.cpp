#include "cli/catalogue_names.h"

#include <utility>
#include <vector>

#include "cli/quoted_text.h"
#include "cli/suggestions.h"

namespace velmar {
namespace {

std::vector<std::string_view> categoryNames()
{
    std::vector<std::string_view> names;
    for (int category = 0; category < CategoryCount; ++category)
        names.push_back(categoryInfo(category).DisplayName);
    return names;
}

std::vector<std::string_view> unitNames(const UnitCatalogue& catalogue, int category)
{
    std::vector<std::string_view> names;
    for (const UnitEntry& entry : catalogue.table(category))
        names.push_back(entry.Name);
    return names;
}

std::string joined(const std::vector<std::string_view>& names)
{
    std::string text;
    for (const std::string_view name : names) {
        if (!text.empty())
            text += ", ";
        text += name;
    }
    return text;
}

// `describe` names what was looked for, e.g. `unit "metre" in category
// "Length"`; it runs only when the lookup fails.
template <typename Describe>
NameLookup lookUp(const NameIndex& index, std::string_view name, CatalogueNames::Detail detail, Describe describe)
{
    const NameMatch match = index.find(name);
    switch (match.Status) {
    case MatchStatus::Found:
        return {match.Index, {}};
    case MatchStatus::Ambiguous:
        return {-1, "ambiguous " + describe() + "; it matches " + joined(index.candidatesFor(name))};
    case MatchStatus::Unknown:
        break;
    }
    std::string unknown = "unknown " + describe();
    if (detail == CatalogueNames::Detail::Brief)
        return {-1, std::move(unknown)};
    const std::string suggestion = DidYouMean(NearestNames(name, index.names()));
    return {-1, unknown + "; " + (suggestion.empty() ? "see --list" : suggestion)};
}

} // namespace

CatalogueNames::CatalogueNames(const UnitCatalogue& catalogue)
    : catalogue_(catalogue)
    , categories_(categoryNames())
    , units_(CategoryCount)
{ }

const NameIndex& CatalogueNames::unitsOf(int category) const
{
    std::optional<NameIndex>& units = units_[static_cast<std::size_t>(category)];
    if (!units)
        units.emplace(unitNames(catalogue_, category));
    return *units;
}

NameLookup CatalogueNames::category(std::string_view name, Detail detail) const
{
    return lookUp(categories_, name, detail, [&] { return "category " + QuotedForMessage(name); });
}

NameLookup CatalogueNames::unit(int category, std::string_view name, Detail detail) const
{
    return lookUp(unitsOf(category), name, detail, [&] {
        return "unit " + QuotedForMessage(name) + " in category "
            + QuotedForMessage(categoryInfo(category).DisplayName);
    });
}

int CatalogueNames::unitCount(int category) const
{
    return static_cast<int>(unitsOf(category).names().size());
}

} // namespace velmar
