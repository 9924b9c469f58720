#pragma once

#include <array>

class QWidget;

namespace velmar {

// The desktop calculators the Calculator command looks for, in this order.
inline constexpr std::array<const char*, 6> DesktopCalculators{
    "gnome-calculator", "kcalc", "qalculate-qt", "qalculate-gtk", "galculator", "xcalc",
};

// Starts the first of the desktop calculators found on the search path that
// starts, detached and without a shell. False when none does.
bool StartDesktopCalculator();

// The Calculator command: starts the desktop calculator; when none starts,
// sounds the error beep and shows the modal "Error" message over `owner`.
void StartCalculator(QWidget* owner);

} // namespace velmar
