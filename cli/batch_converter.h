#pragma once

#include <string>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "cli/catalogue_names.h"
#include "cli/conversion.h"
#include "engine/number_format.h"

namespace velmar {

// How each reply line is written: the result text (or "error: " and what
// went wrong), or one JSON object.
enum class BatchReplyForm { Text, Json };

// Answers batch request lines, one reply line each. Never stops on a bad line.
class BatchConverter {
public:
    explicit BatchConverter(RegionalMarks marks, BatchReplyForm form = BatchReplyForm::Text);

    // Appends the reply to `line` (given without its line end) and a newline.
    void convertLine(std::string_view line, std::string& output) const;

    // Appends the replies to `lines`, each ending in "\n".
    void convertLines(std::string_view lines, std::string& output) const;

private:
    // What one line comes to.
    struct Reply {
        std::string Refusal; // why the line converts nothing: malformed, or a name unknown
        ConversionRequest Request;
        ConversionOutcome Outcome;
    };

    Reply replyTo(std::string_view line) const;
    void appendText(const Reply& reply, std::string& output) const;
    void appendJson(const Reply& reply, std::string_view line, std::string& output) const;

    UnitCatalogue catalogue_;
    CatalogueNames names_;
    RegionalMarks marks_;
    BatchReplyForm form_;
};

} // namespace velmar
