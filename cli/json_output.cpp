#include "cli/json_output.h"

#include <array>
#include <cstdio>

#include "text/utf8.h"

namespace velmar {
namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

void appendField(std::string& object, std::string_view name, std::optional<std::string_view> value)
{
    if (object.size() > 1)
        object += ',';
    object += JsonString(name);
    object += ':';
    object += value ? JsonString(*value) : "null";
}

} // namespace

std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '"' || byte == '\\') {
            json += '\\';
            json += text[i++];
        } else if (byte < 0x20 || byte == 0x7F) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", byte);
            json += escape.data();
            ++i;
        } else if (const std::size_t length = Utf8SequenceLength(text, i); length == 0) {
            json += ReplacementCharacter;
            ++i;
        } else {
            json += text.substr(i, length);
            i += length;
        }
    }
    return json + '"';
}

std::string JsonObject(const JsonAnswer& answer)
{
    std::string object = "{";
    appendField(object, "category", answer.Category);
    appendField(object, "from", answer.From);
    appendField(object, "to", answer.To);
    appendField(object, "input", answer.Input);
    appendField(object, "result", answer.Result);
    appendField(object, "error", answer.Error);
    return object + '}';
}

} // namespace velmar
