#pragma once

#include <string>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "cli/catalogue_names.h"
#include "engine/number_format.h"

namespace velmar {

// Answers batch request lines, one reply line each: the result text, or
// "error: " and what went wrong. Never stops on a bad line.
class BatchConverter {
public:
    explicit BatchConverter(RegionalMarks marks);

    // Appends the reply to `line` (given without its line end) and a newline.
    void convertLine(std::string_view line, std::string& output) const;

private:
    void appendReply(std::string_view line, std::string& output) const;

    UnitCatalogue catalogue_;
    CatalogueNames names_;
    RegionalMarks marks_;
};

} // namespace velmar
