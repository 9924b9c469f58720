#include "engine/conversion_result.h"

namespace velmar {

ConversionResult InvalidNumberResult(std::size_t errorPosition)
{
    return {"invalid number [" + std::to_string(errorPosition) + "]", ResultKind::InvalidNumber};
}

ConversionResult InvalidDigitsResult(std::string_view numberName)
{
    return {"invalid " + std::string(numberName), ResultKind::InvalidDigits};
}

ConversionResult TooLargeResult()
{
    return {"result too large", ResultKind::TooLarge};
}

ConversionResult TooPreciseResult()
{
    return {"decimal too precise", ResultKind::TooPrecise};
}

} // namespace velmar
