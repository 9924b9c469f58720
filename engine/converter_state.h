#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "catalogue/unit_catalogue.h"

namespace velmar {

// What a category remembers: its input text and list positions (-1: none).
struct CategoryMemory {
    std::string ValueIn;
    std::int32_t FormatIn = 0;
    std::int32_t FormatOut = 0;
};

inline constexpr std::int32_t NoSwitchPending = -1;
inline constexpr std::int32_t SwitchLoading = -99;

struct ConverterState {
    // -1 normally, -99 while a switch loads the controls, otherwise the
    // category whose switch is running its conversion. A switch to no tab
    // (the strip emptied) returns before any loading and leaves -99, so the
    // change events of a window without a category convert nothing until
    // the next switch.
    std::int32_t PendingCategory = NoSwitchPending;
    std::array<CategoryMemory, CategoryCount> Memory;
};

// Empties every category's input and sets both positions to -1.
void ClearAllCategoryMemory(ConverterState& state);

} // namespace velmar
