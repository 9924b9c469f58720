#pragma once

#include <span>
#include <string_view>

#include "catalogue/unit_catalogue.h"
#include "cli/catalogue_names.h"
#include "cli/command_line.h"

namespace velmar {

// Whether the arguments are the CATEGORY FROM TO VALUE form: the first of
// several names a category. No value or unit is spelled like one.
bool IsCategoryForm(std::span<const std::string_view> arguments);

// Answers queries such as "60 mph to km/h" with the options of one command
// line; the interactive mode keeps one for all its lines.
class QueryRunner {
public:
    explicit QueryRunner(const CommandLine& options);

    // Prints the answer or every usage error; returns the exit status
    // (0 result, 1 error text or fault, 2 usage error).
    int run(std::span<const std::string_view> arguments) const;

private:
    const CommandLine& options_;
    UnitCatalogue catalogue_;
};

} // namespace velmar
