#include "cli/name_index.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

#include "cli/case_folding.h"

namespace velmar {
namespace {

// The length and the first and last eight bytes (overlapping in short
// names) tell the names of one table apart well enough, and reading them as
// two words is several times quicker than hashing byte by byte: the batch
// mode looks up three names a line.
std::uint64_t hashOf(std::string_view text)
{
    std::uint64_t head = 0;
    std::uint64_t tail = 0;
    if (text.size() >= sizeof head) {
        std::memcpy(&head, text.data(), sizeof head);
        std::memcpy(&tail, text.data() + text.size() - sizeof tail, sizeof tail);
    } else {
        for (std::size_t i = 0; i < text.size(); ++i)
            head |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    }
    const std::uint64_t hash = head * 0x9E3779B97F4A7C15ull ^ (tail + text.size()) * 0xC2B2AE3D27D4EB4Full;
    return hash ^ (hash >> 29);
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
