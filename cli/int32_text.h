#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmar {

// A decimal 32-bit signed integer: an optional "-" and digits, nothing else.
std::optional<std::int32_t> ParseInt32(std::string_view text);

} // namespace velmar
