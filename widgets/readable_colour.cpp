#include "widgets/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace velmar {
namespace {

double linearChannel(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor& colour)
{
    return 0.2126 * linearChannel(colour.redF()) + 0.7152 * linearChannel(colour.greenF())
        + 0.0722 * linearChannel(colour.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    const auto channel = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

} // namespace

double ContrastRatio(const QColor& first, const QColor& second)
{
    const double one = relativeLuminance(first);
    const double other = relativeLuminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor ReadableOn(const QColor& preferred, const QColor& background, const QColor& readable, double contrast)
{
    constexpr int Steps = 20;
    for (int step = 0; step < Steps; ++step) {
        const QColor candidate = mixed(preferred, readable, static_cast<double>(step) / Steps);
        if (ContrastRatio(candidate, background) >= contrast)
            return candidate;
    }
    return readable;
}

} // namespace velmar
