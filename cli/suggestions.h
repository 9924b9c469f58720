#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// The edit distance between two texts ignoring case, counting an insertion,
// a deletion, a substitution or a swap of neighbours as one edit each.
std::size_t EditDistance(std::string_view a, std::string_view b);

// Up to `limit` of `candidates` that `name` may have been meant as: the
// nearest by edit distance first, among equals those that `name` begins,
// then in the order given. Candidates too far from `name` to be a slip are
// left out, unless `name` begins them.
std::vector<std::string_view> NearestNames(std::string_view name, const std::vector<std::string_view>& candidates,
                                           std::size_t limit = 5);

// "did you mean a, b or c?", or empty when there is nothing to offer.
std::string DidYouMean(const std::vector<std::string_view>& names);

} // namespace velmar
