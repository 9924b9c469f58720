#include "cli/suggestions.h"

#include <algorithm>
#include <numeric>

#include "cli/case_folding.h"
#include "cli/quoted_text.h"

namespace velmar {

std::size_t EditDistance(std::string_view a, std::string_view b)
{
    const std::string x = FoldCase(a);
    const std::string y = FoldCase(b);
    // Three rows of the distance table: the swap looks two rows back.
    std::vector<std::size_t> twoBack(y.size() + 1), previous(y.size() + 1), current(y.size() + 1);
    std::iota(previous.begin(), previous.end(), std::size_t{0});
    for (std::size_t i = 1; i <= x.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= y.size(); ++j) {
            const std::size_t substitution = x[i - 1] == y[j - 1] ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + substitution});
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
                current[j] = std::min(current[j], twoBack[j - 2] + 1);
        }
        std::swap(twoBack, previous);
        std::swap(previous, current);
    }
    return previous[y.size()];
}

std::vector<std::string_view> NearestNames(std::string_view name, const std::vector<std::string_view>& candidates,
                                           std::size_t limit)
{
    struct Ranked {
        std::size_t Distance;
        bool NotBegun;
        std::size_t Order;
    };
    // About one slip in three letters still reads as the same word.
    const std::size_t tolerance = std::max<std::size_t>(1, name.size() / 3);
    const std::string folded = FoldCase(name);
    std::vector<Ranked> ranked;
    for (std::size_t order = 0; order < candidates.size(); ++order) {
        const std::size_t distance = EditDistance(name, candidates[order]);
        const bool begun = folded.size() >= 2 && FoldCase(candidates[order]).starts_with(folded);
        if (distance <= tolerance || begun)
            ranked.push_back({distance, !begun, order});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        return a.Distance != b.Distance ? a.Distance < b.Distance : a.NotBegun < b.NotBegun;
    });
    std::vector<std::string_view> nearest;
    for (const Ranked& candidate : ranked) {
        const std::string_view text = candidates[candidate.Order];
        if (nearest.size() == limit)
            break;
        if (std::find(nearest.begin(), nearest.end(), text) == nearest.end())
            nearest.push_back(text);
    }
    return nearest;
}

std::string DidYouMean(const std::vector<std::string_view>& names)
{
    if (names.empty())
        return {};
    const std::vector<std::string> items(names.begin(), names.end());
    return "did you mean " + ListedInWords(items, " or ") + "?";
}

} // namespace velmar
