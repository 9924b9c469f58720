#pragma once

#include <QColor>

namespace velmar {

// The contrast text needs against its background to be read comfortably.
inline constexpr double ReadableContrast = 4.5;

// The contrast ratio of two colours by their relative luminance: 1 for equal
// colours, 21 for black on white.
double ContrastRatio(const QColor& first, const QColor& second);

// `preferred` when it reads on `background`; otherwise `preferred` mixed
// towards `readable` (a colour that does read there, such as the palette's
// text colour) just far enough to reach `contrast`, so it keeps a tint of its hue.
QColor ReadableOn(const QColor& preferred, const QColor& background, const QColor& readable,
                  double contrast = ReadableContrast);

} // namespace velmar
