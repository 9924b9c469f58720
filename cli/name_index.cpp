#include "name_index.h"

#include <utility>

#include "case_folding.h"

namespace velmar {

NameIndex::NameIndex(std::vector<std::string_view> names)
    : names_(std::move(names))
{
    foldedNames_.reserve(names_.size());
    for (int index = 0; index < static_cast<int>(names_.size()); ++index) {
        const std::string_view name = names_[static_cast<std::size_t>(index)];
        exact_.try_emplace(name, index);
        foldedNames_.push_back(FoldCase(name));
        const auto [entry, inserted] = folded_.try_emplace(foldedNames_.back(), index);
        if (!inserted)
            entry->second = AmbiguousFold;
    }
}

NameMatch NameIndex::find(std::string_view name) const
{
    if (const auto exact = exact_.find(name); exact != exact_.end())
        return {MatchStatus::Found, exact->second};
    const auto folded = folded_.find(FoldCase(name));
    if (folded == folded_.end())
        return {MatchStatus::Unknown, -1};
    if (folded->second == AmbiguousFold)
        return {MatchStatus::Ambiguous, -1};
    return {MatchStatus::Found, folded->second};
}

std::vector<std::string_view> NameIndex::candidatesFor(std::string_view name) const
{
    const std::string foldedName = FoldCase(name);
    std::vector<std::string_view> equal;
    std::vector<std::string_view> containing;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (foldedNames_[i] == foldedName)
            equal.push_back(names_[i]);
        else if (!foldedName.empty() && foldedNames_[i].find(foldedName) != std::string::npos)
            containing.push_back(names_[i]);
    }
    if (equal.size() > 1)
        return equal;
    if (!containing.empty())
        return containing;
    return names_;
}

} // namespace velmar
