#include "cli/name_index.h"

#include <bit>
#include <cstdint>
#include <utility>

#include "cli/case_folding.h"

namespace velmar {
namespace {

// FNV-1a: short names hash in a few cycles and spread well enough.
std::uint64_t hashOf(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace

NameIndex::NameIndex(std::vector<std::string_view> names)
    : names_(std::move(names))
    // At most half full, so every probe soon meets an empty slot.
    , exactSlots_(std::bit_ceil(2 * names_.size() + 1), EmptySlot)
{
    foldedNames_.reserve(names_.size());
    for (int index = 0; index < static_cast<int>(names_.size()); ++index) {
        const std::string_view name = names_[static_cast<std::size_t>(index)];
        // The first of equal names wins.
        if (std::size_t slot = slotOf(name); exactSlots_[slot] == EmptySlot)
            exactSlots_[slot] = index;

        foldedNames_.push_back(FoldCase(name));
        const auto [entry, inserted] = folded_.try_emplace(foldedNames_.back(), index);
        if (!inserted)
            entry->second = AmbiguousFold;
    }
}

std::size_t NameIndex::slotOf(std::string_view name) const
{
    const std::size_t mask = exactSlots_.size() - 1;
    std::size_t slot = static_cast<std::size_t>(hashOf(name)) & mask;
    while (exactSlots_[slot] != EmptySlot && names_[static_cast<std::size_t>(exactSlots_[slot])] != name)
        slot = (slot + 1) & mask;
    return slot;
}

NameMatch NameIndex::find(std::string_view name) const
{
    if (const int exact = exactSlots_[slotOf(name)]; exact != EmptySlot)
        return {MatchStatus::Found, exact};
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
