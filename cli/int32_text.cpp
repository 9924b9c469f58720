#include "cli/int32_text.h"

#include <charconv>

namespace velmar {

std::optional<std::int32_t> ParseInt32(std::string_view text)
{
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace velmar
