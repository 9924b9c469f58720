#include "cli/query_names.h"

#include "catalogue/unit_aliases.h"
#include "cli/case_folding.h"

namespace velmar {

QueryNames::QueryNames(const UnitCatalogue& catalogue)
    : categories_(CategoryCount)
{
    for (int category = 0; category < CategoryCount; ++category) {
        CategoryNames& names = categories_[static_cast<std::size_t>(category)];
        const std::vector<UnitEntry>& table = catalogue.table(category);
        for (std::size_t position = 0; position < table.size(); ++position)
            add(names, std::string(table[position].Name), static_cast<int>(position), Kind::Suggested);
        for (std::size_t position = 0; position < table.size(); ++position) {
            for (std::string& alias : CuratedAliasesOf(category, table[position].Name))
                add(names, std::move(alias), static_cast<int>(position), Kind::Suggested);
        }
        for (std::size_t position = 0; position < table.size(); ++position) {
            for (std::string& spelling : DerivedSpellingsOf(category, table[position].Name))
                add(names, std::move(spelling), static_cast<int>(position), Kind::Derived);
        }
    }
}

void QueryNames::add(CategoryNames& names, std::string name, int position, Kind kind)
{
    // The first of equal names wins, so display names shadow aliases.
    if (!names.Exact.try_emplace(name, position).second)
        return;
    const auto [folded, inserted] = names.Folded.try_emplace(FoldCase(name), position);
    if (!inserted && folded->second != position)
        folded->second = SeveralUnits;
    if (kind == Kind::Suggested)
        names.Suggested.push_back(std::move(name));
}

std::optional<int> QueryNames::unit(int category, std::string_view name) const
{
    const CategoryNames& names = categories_[static_cast<std::size_t>(category)];
    if (const auto exact = names.Exact.find(std::string(name)); exact != names.Exact.end())
        return exact->second;
    const auto folded = names.Folded.find(FoldCase(name));
    if (folded == names.Folded.end() || folded->second == SeveralUnits)
        return std::nullopt;
    return folded->second;
}

const std::vector<std::string>& QueryNames::suggestedNamesOf(int category) const
{
    return categories_[static_cast<std::size_t>(category)].Suggested;
}

} // namespace velmar
