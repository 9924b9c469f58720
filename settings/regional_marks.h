#pragma once

#include <QString>

#include "engine/number_format.h"

class QLocale;

namespace velmar {

// The marks results are written with, from a locale's decimal point and digit
// grouping symbol. A symbol that is missing or longer than one character
// gives the default "." or ",".
RegionalMarks RegionalMarksFrom(const QString& decimalPoint, const QString& groupSeparator);
RegionalMarks ReadRegionalMarks(const QLocale& locale);

} // namespace velmar
