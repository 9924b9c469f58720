#pragma once

#include <string_view>

namespace velmar {

// The result box's text for a value beyond what a converter can write.
inline constexpr std::string_view ResultTooLarge = "result too large";

} // namespace velmar
