#pragma once

#include <optional>
#include <string_view>

namespace velmar {

// --list: prints the category display names in catalogue order, or with a
// category the units of that category as "position<TAB>name" lines, followed
// in the linear categories by "<TAB>" and what one unit is ("0.3048 meter").
// Returns the exit status.
int RunList(std::optional<std::string_view> category);

} // namespace velmar
