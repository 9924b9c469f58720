#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "cli/conversion.h"
#include "engine/number_format.h"

namespace velmar {

struct CompoundPart {
    std::string_view InputText;  // as the input box would hold it
    std::int32_t SourcePosition; // 0-based
};

// "5 ft 10 in" in one unit of a linear category: each part converted into
// the target unit and the parts added, all in extended arithmetic, so one
// part alone gives exactly the linear converter's result.
ConversionOutcome ConvertCompound(const UnitCatalogue& catalogue, int category, std::span<const CompoundPart> parts,
                                  std::int32_t targetPosition, const NumberFormatSetting& setting,
                                  const RegionalMarks& marks);

} // namespace velmar
