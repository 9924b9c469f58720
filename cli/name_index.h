#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmar {

enum class MatchStatus { Found, Unknown, Ambiguous };

struct NameMatch {
    MatchStatus Status = MatchStatus::Unknown;
    int Index = -1; // 0-based position among the indexed names when found
};

// Finds a name among a fixed list: an exact match wins, otherwise a unique
// case-insensitive match (see FoldCase) is accepted. Built once; lookups of
// exact names do not allocate.
class NameIndex {
public:
    explicit NameIndex(std::vector<std::string_view> names);

    NameMatch find(std::string_view name) const;

    // What to offer the user after a failed find: the names that match
    // case-insensitively when there are several, else the names that contain
    // `name` case-insensitively, else all names.
    std::vector<std::string_view> candidatesFor(std::string_view name) const;

    const std::vector<std::string_view>& names() const { return names_; }

private:
    static constexpr int AmbiguousFold = -1;
    static constexpr int EmptySlot = -1;

    // The slot that holds `name`, or the empty slot where it would go.
    std::size_t slotOf(std::string_view name) const;

    std::vector<std::string_view> names_;
    std::vector<std::string> foldedNames_;
    // Open addressing over a power-of-two table: the exact lookup runs for
    // every name of every batch line, so it avoids the modulo and node chasing
    // of a general hash map.
    std::vector<int> exactSlots_;                 // index into names_, or EmptySlot
    std::unordered_map<std::string, int> folded_; // index, or AmbiguousFold
};

} // namespace velmar
