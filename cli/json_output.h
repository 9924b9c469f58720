#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmar {

// One answer for scripts. Absent fields are written as null.
struct JsonAnswer {
    std::optional<std::string_view> Category = std::nullopt;
    std::optional<std::string_view> From = std::nullopt;
    std::optional<std::string_view> To = std::nullopt;
    std::string_view Input = {};
    std::optional<std::string_view> Result = std::nullopt;
    std::optional<std::string_view> Error = std::nullopt;
};

// `text` as a JSON string, quotes included. Bytes that are not valid UTF-8
// become U+FFFD, so the output always parses.
std::string JsonString(std::string_view text);

// {"category":…,"from":…,"to":…,"input":…,"result":…,"error":…} on one line.
std::string JsonObject(const JsonAnswer& answer);

} // namespace velmar
