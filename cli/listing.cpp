#include "cli/listing.h"

#include <string>

#include "catalogue/unit_catalogue.h"
#include "cli/catalogue_names.h"
#include "cli/output.h"
#include "cli/usage_error.h"
#include "engine/unit_definition_text.h"

namespace velmar {
namespace {

void printLine(std::string_view text)
{
    StandardOutput().write(text);
    StandardOutput().write("\n");
}

} // namespace

int RunList(std::optional<std::string_view> category)
{
    const UnitCatalogue catalogue;
    if (!category) {
        for (int index = 0; index < CategoryCount; ++index)
            printLine(categoryInfo(index).DisplayName);
        return 0;
    }

    const NameLookup found = CatalogueNames(catalogue).category(*category, CatalogueNames::Detail::WithCandidates);
    if (!found.found())
        return ReportUsageError(found.Failure);
    for (int position = 1; position <= catalogue.tableSize(found.Index); ++position) {
        std::string line = std::to_string(position) + "\t" + std::string(catalogue.unit(found.Index, position).Name);
        if (const std::string definition = UnitDefinitionText(catalogue, found.Index, position); !definition.empty())
            line += "\t" + definition;
        printLine(line);
    }
    return 0;
}

} // namespace velmar
