#include "tests/support/unit_positions.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace velmar::test_support {

int PositionOf(const UnitCatalogue& catalogue, int category, std::string_view name)
{
    if (name.empty())
        return -1;
    const auto& table = catalogue.table(category);
    const auto unit = std::ranges::find(table, name, &UnitEntry::Name);
    if (unit == table.end())
        throw std::invalid_argument("no unit \"" + std::string(name) + "\" in "
                                    + std::string(categoryInfo(category).DisplayName));
    return static_cast<int>(unit - table.begin());
}

} // namespace velmar::test_support
