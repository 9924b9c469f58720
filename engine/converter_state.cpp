#include "engine/converter_state.h"

namespace velmar {

void ClearAllCategoryMemory(ConverterState& state)
{
    for (CategoryMemory& memory : state.Memory)
        memory = {std::string(), -1, -1};
}

} // namespace velmar
