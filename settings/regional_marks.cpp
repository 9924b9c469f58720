#include "settings/regional_marks.h"

#include <QLocale>

namespace velmar {
namespace {

std::string oneCharacterOr(const QString& symbol, const char* fallback)
{
    return symbol.toUcs4().size() == 1 ? symbol.toStdString() : std::string(fallback);
}

} // namespace

RegionalMarks RegionalMarksFrom(const QString& decimalPoint, const QString& groupSeparator)
{
    return {oneCharacterOr(decimalPoint, "."), oneCharacterOr(groupSeparator, ",")};
}

RegionalMarks ReadRegionalMarks(const QLocale& locale)
{
    return RegionalMarksFrom(locale.decimalPoint(), locale.groupSeparator());
}

} // namespace velmar
