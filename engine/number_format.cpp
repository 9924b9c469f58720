#include "engine/number_format.h"

namespace velmar {

std::string_view FormatPatternFor(std::int32_t viewType)
{
    switch (viewType) {
    case 2:
        return "%.*e";
    case 3:
        return "%.*f";
    case 4:
        return "%.*n";
    default:
        return "%.10g";
    }
}

NumberFormatSetting MakeNumberFormatSetting(std::int32_t viewType, std::int32_t precision)
{
    const bool known = viewType >= 1 && viewType <= 4;
    return {known ? viewType : 1, precision, std::string(FormatPatternFor(viewType))};
}

} // namespace velmar
