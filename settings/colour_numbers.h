#pragma once

#include <QColor>

#include <cstdint>

namespace velmar {

// Colours as the settings file keeps them, in the Windows form: a plain
// colour is 0x00BBGGRR (red in the lowest byte); a number with the top bit set
// (negative) is a system colour, its index in the lowest byte.

// The system colour "window text": what a file written from scratch stores,
// so that the text follows the desktop's light or dark theme.
inline constexpr std::int32_t WindowTextColourNumber = static_cast<std::int32_t>(0x80000008u);

// The colour a stored number stands for. System colours that name a text or
// background role take the desktop palette's colour for it; any other system
// colour is black.
QColor ColourFromNumber(std::int32_t number);

// The plain number of a colour: 0x00BBGGRR.
std::int32_t PlainColourNumber(const QColor& colour);

// The number to store for `colour`. The number stored before is kept when it
// still stands for that colour, so that a system colour the user left alone
// stays a system colour; otherwise the desktop's text colour is stored as the
// window-text system colour, and any other colour as its plain number.
std::int32_t NumberForColour(const QColor& colour, std::int32_t storedNumber);

} // namespace velmar
