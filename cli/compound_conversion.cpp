#include "cli/compound_conversion.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "engine/checked_arithmetic.h"
#include "engine/conversion_result.h"
#include "engine/floating_point_fault.h"
#include "engine/linear_arithmetic.h"
#include "engine/number_reading.h"
#include "engine/result_formatting.h"

namespace velmar {

ConversionOutcome ConvertCompound(const UnitCatalogue& catalogue, int category, std::span<const CompoundPart> parts,
                                  std::int32_t targetPosition, const NumberFormatSetting& setting,
                                  const RegionalMarks& marks)
{
    const Extended targetFactor = catalogue.unit(category, targetPosition + 1).Factor;
    try {
        // As in the linear converter, a reading that overflows is a fault and
        // arithmetic that overflows is a result too large.
        std::vector<Extended> values;
        for (const CompoundPart& part : parts) {
            const InputReading input = ReadInputText(part.InputText);
            if (!input.IsNumber)
                return OutcomeOf(input.Failure);
            values.push_back(input.Value);
        }
        try {
            Extended sum = 0;
            for (std::size_t i = 0; i < parts.size(); ++i) {
                const Extended sourceFactor = catalogue.unit(category, parts[i].SourcePosition + 1).Factor;
                const std::optional<Extended> converted = ConvertByFactors(values[i], sourceFactor, targetFactor);
                if (!converted)
                    return OutcomeOf(TooLargeResult());
                sum = checked::add(sum, *converted);
            }
            return OutcomeOf({FormatResult(sum, setting, marks)});
        } catch (const FloatingPointFault&) {
            return OutcomeOf(TooLargeResult());
        }
    } catch (const std::exception& fault) {
        return OutcomeOfFault(fault);
    }
}

} // namespace velmar
