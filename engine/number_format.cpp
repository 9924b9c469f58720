#include "engine/number_format.h"

namespace velmar {

ResultForm ResultFormOf(std::int32_t viewType)
{
    const bool known = viewType >= ViewTypeOf(ResultForm::AutoFormat) && viewType <= ViewTypeOf(ResultForm::Commas);
    return known ? static_cast<ResultForm>(viewType) : ResultForm::AutoFormat;
}

std::string_view FormatPatternFor(ResultForm form)
{
    switch (form) {
    case ResultForm::AutoFormat:
        break;
    case ResultForm::Scientific:
        return "%.*e";
    case ResultForm::Fixed:
        return "%.*f";
    case ResultForm::Commas:
        return "%.*n";
    }
    return "%.10g";
}

NumberFormatSetting MakeNumberFormatSetting(ResultForm form, std::int32_t precision)
{
    return {form, precision, std::string(FormatPatternFor(form))};
}

} // namespace velmar
