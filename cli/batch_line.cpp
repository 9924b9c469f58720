#include "cli/batch_line.h"

#include <array>
#include <optional>

#include "cli/int32_text.h"
#include "cli/quoted_text.h"

namespace velmar {
namespace {

constexpr std::size_t RequiredFields = 4;
constexpr std::size_t MaxFields = 6;

struct Fields {
    std::array<std::string_view, MaxFields> Values;
    std::size_t Count = 0;
    bool TooMany = false;
};

Fields splitAtTabs(std::string_view line)
{
    Fields fields;
    std::size_t start = 0;
    for (;;) {
        if (fields.Count == MaxFields) {
            fields.TooMany = true;
            return fields;
        }
        const std::size_t tab = line.find('\t', start);
        fields.Values[fields.Count++] = line.substr(start, tab - start);
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

// Reads an optional integer field into `value`; false when it holds no integer.
bool readOptionalInteger(const Fields& fields, std::size_t position, std::int32_t& value)
{
    if (position >= fields.Count || fields.Values[position].empty())
        return true;
    const std::optional<std::int32_t> parsed = ParseInt32(fields.Values[position]);
    if (parsed)
        value = *parsed;
    return parsed.has_value();
}

std::string notAnInteger(std::string_view fieldName, std::string_view text)
{
    return "malformed line: " + std::string(fieldName) + " " + QuotedForMessage(text) + " is not a 32-bit integer";
}

} // namespace

ParsedBatchLine ParseBatchLine(std::string_view line)
{
    ParsedBatchLine parsed;
    const Fields fields = splitAtTabs(line);
    if (fields.TooMany) {
        parsed.Malformation = "malformed line: more than " + std::to_string(MaxFields) + " tab-separated fields";
        return parsed;
    }
    if (fields.Count < RequiredFields) {
        parsed.Malformation = "malformed line: expected at least " + std::to_string(RequiredFields)
            + " tab-separated fields (category, source unit, target unit, input), found "
            + std::to_string(fields.Count);
        return parsed;
    }

    BatchRequest& request = parsed.Request;
    request.Names = {fields.Values[0], fields.Values[1], fields.Values[2], fields.Values[3]};
    std::int32_t viewType = ViewTypeOf(request.ViewType); // the default
    if (!readOptionalInteger(fields, 4, viewType))
        parsed.Malformation = notAnInteger("ViewType", fields.Values[4]);
    else if (!readOptionalInteger(fields, 5, request.Precision))
        parsed.Malformation = notAnInteger("Precision", fields.Values[5]);
    request.ViewType = ResultFormOf(viewType);
    return parsed;
}

} // namespace velmar
