#include "cli/operand_dispatch.h"

#include "cli/single_conversion.h"

namespace velmar {

int RunConversionOperands(const CommandLine& options, const QueryRunner& queries,
                          std::span<const std::string_view> operands)
{
    if (IsCategoryForm(operands))
        return RunSingleConversion(options, operands);
    return queries.run(operands);
}

} // namespace velmar
