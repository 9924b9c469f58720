#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "engine/conversion_result.h"
#include "engine/number_format.h"

namespace velmar {

// One conversion as the window would run it: a category, the selected list
// positions (0-based, -1 for none) and the input box's text.
struct ConversionRequest {
    int Category = 0;
    std::int32_t SourcePosition = -1;
    std::int32_t TargetPosition = -1;
    std::string_view InputText;
};

struct ConversionOutcome {
    enum class Kind {
        Result,    // a result, possibly the empty text
        ErrorText, // one of the converters' error texts, e.g. "invalid number [3]"
        Fault,     // a fault escaped the converter
    };
    Kind Outcome = Kind::Result;
    // The result box's text, or for a fault the general error report's text
    // with its full stop ("Floating point overflow.").
    std::string Text;
};

// A converter's result as an outcome.
ConversionOutcome OutcomeOf(ConversionResult result);

// What escaped a converter, as the general error report words it.
ConversionOutcome OutcomeOfFault(const std::exception& fault);

ConversionOutcome Convert(const UnitCatalogue& catalogue, const ConversionRequest& request,
                          const NumberFormatSetting& setting, const RegionalMarks& marks);

} // namespace velmar
