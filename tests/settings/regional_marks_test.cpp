#include <QLocale>

#include <gtest/gtest.h>

#include "settings/regional_marks.h"

namespace velmar {
namespace {

TEST(RegionalMarks, TakesOneCharacterSymbolsAndDefaultsTheRest)
{
    const struct {
        QString DecimalPoint;
        QString GroupSeparator;
        std::string DecimalMark;
        std::string ThousandsMark;
    } cases[] = {
        {".", ",", ".", ","},
        {",", ".", ",", "."},
        {"", "", ".", ","},
        {",,", "'", ".", "'"},
        {",", "\u00a0\u00a0", ",", ","},
        {"\u066b", "\u202f", "\u066b", "\u202f"},
    };
    for (const auto& c : cases) {
        const RegionalMarks marks = RegionalMarksFrom(c.DecimalPoint, c.GroupSeparator);
        EXPECT_EQ(marks.DecimalMark, c.DecimalMark) << c.DecimalPoint.toStdString();
        EXPECT_EQ(marks.ThousandsMark, c.ThousandsMark) << c.GroupSeparator.toStdString();
    }
}

TEST(RegionalMarks, ReadsTheLocalesSymbols)
{
    const RegionalMarks german = ReadRegionalMarks(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.DecimalMark, ",");
    EXPECT_EQ(german.ThousandsMark, ".");
}

} // namespace
} // namespace velmar
