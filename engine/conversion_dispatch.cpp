#include "engine/conversion_dispatch.h"

#include <optional>

#include "engine/fraction_converter.h"
#include "engine/linear_converter.h"
#include "engine/number_base_converter.h"
#include "engine/temperature_converter.h"

namespace velmar {
namespace {

// The factor (or unit id) at a list position; nullopt when nothing is selected.
std::optional<Extended> factorAt(const UnitCatalogue& catalogue, int category, std::int32_t listPosition)
{
    if (listPosition < 0 || listPosition >= catalogue.tableSize(category))
        return std::nullopt;
    return catalogue.unit(category, listPosition + 1).Factor;
}

} // namespace

ConversionResult ConvertInCategory(const UnitCatalogue& catalogue, int category, std::string_view inputText,
                                   std::int32_t sourcePosition, std::int32_t targetPosition,
                                   const NumberFormatSetting& setting, const RegionalMarks& marks)
{
    const std::optional<Extended> source = factorAt(catalogue, category, sourcePosition);
    const std::optional<Extended> target = factorAt(catalogue, category, targetPosition);
    switch (categoryInfo(category).Kind) {
    case CategoryKind::Fraction:
        return Frac_Change(inputText, target);
    case CategoryKind::NumberBase:
        return Num_Change(inputText, source, target);
    case CategoryKind::Temperature:
        return Temp_Change(inputText, source, target, setting, marks);
    case CategoryKind::Linear:
        break;
    }
    return Linear_Change(inputText, source, target, setting, marks);
}

} // namespace velmar
