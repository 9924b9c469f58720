#include "engine/result_texts.h"

namespace velmar {

bool IsErrorText(std::string_view resultText)
{
    // Every text about input the converter cannot read starts so.
    return resultText.starts_with("invalid ") || resultText == ResultTooLarge || resultText == DecimalTooPrecise;
}

} // namespace velmar
