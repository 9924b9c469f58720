#include "cli/query_names.h"

#include <algorithm>

#include "catalogue/unit_aliases.h"
#include "cli/case_folding.h"

namespace velmar {

QueryNames::CategoryNames::CategoryNames(std::pmr::memory_resource* pool)
    : Suggested(pool)
    , Exact(pool)
    , Folded(pool)
{ }

QueryNames::QueryNames(const UnitCatalogue& catalogue)
    : categories_(&pool_)
{
    categories_.reserve(CategoryCount);
    for (int category = 0; category < CategoryCount; ++category) {
        CategoryNames& names = categories_.emplace_back(&pool_);
        const std::vector<UnitEntry>& table = catalogue.table(category);
        for (std::size_t position = 0; position < table.size(); ++position)
            add(names, table[position].Name, static_cast<int>(position), Kind::Suggested);
        // The display names are in by now, so each alias line finds its unit.
        for (const UnitAliasLine& line : UnitAliasLines()) {
            if (line.Category != category)
                continue;
            const int position = names.Exact.at(line.Unit);
            for (const std::string_view alias : AliasesOf(line))
                add(names, alias, position, Kind::Suggested);
        }
        for (std::size_t position = 0; position < table.size(); ++position) {
            for (const std::string& spelling : DerivedSpellingsOf(category, table[position].Name)) {
                if (!names.Exact.contains(spelling))
                    add(names, keep(spelling), static_cast<int>(position), Kind::Derived);
            }
        }
    }
}

std::string_view QueryNames::keep(std::string_view text)
{
    char* copy = static_cast<char*>(pool_.allocate(text.size(), 1));
    std::copy(text.begin(), text.end(), copy);
    return {copy, text.size()};
}

void QueryNames::add(CategoryNames& names, std::string_view name, int position, Kind kind)
{
    // The first of equal names wins, so display names shadow aliases.
    if (!names.Exact.try_emplace(name, position).second)
        return;
    const std::string folded = FoldCase(name);
    if (const auto entry = names.Folded.find(folded); entry == names.Folded.end())
        names.Folded.emplace(folded == name ? name : keep(folded), position);
    else if (entry->second != position)
        entry->second = SeveralUnits;
    if (kind == Kind::Suggested)
        names.Suggested.push_back(name);
}

std::optional<int> QueryNames::unit(int category, std::string_view name) const
{
    const CategoryNames& names = categories_[static_cast<std::size_t>(category)];
    if (const auto exact = names.Exact.find(name); exact != names.Exact.end())
        return exact->second;
    const auto folded = names.Folded.find(FoldCase(name));
    if (folded == names.Folded.end() || folded->second == SeveralUnits)
        return std::nullopt;
    return folded->second;
}

const std::pmr::vector<std::string_view>& QueryNames::suggestedNamesOf(int category) const
{
    return categories_[static_cast<std::size_t>(category)].Suggested;
}

} // namespace velmar
