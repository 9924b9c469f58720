#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/named_request.h"
#include "engine/number_format.h"

namespace velmar {

// One request line of the batch protocol, split at its tabs: category, source
// unit, target unit, input text, and optionally ViewType and Precision (an
// empty optional field takes its default). The views point into the line.
struct BatchRequest {
    NamedRequest Names;
    ResultForm ViewType = ResultForm::AutoFormat;
    std::int32_t Precision = 4;
};

struct ParsedBatchLine {
    BatchRequest Request;
    std::string Malformation; // empty for a well-formed line
};

// `line` comes without its line end.
ParsedBatchLine ParseBatchLine(std::string_view line);

} // namespace velmar
