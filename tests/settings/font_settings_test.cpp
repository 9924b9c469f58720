#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

#include "settings/colour_numbers.h"
#include "settings/font_settings.h"
#include "settings/profile/profile_document.h"

using namespace velmar;

namespace {

constexpr std::int32_t WindowTextSystemColour = static_cast<std::int32_t>(0x80000008u);
constexpr std::int32_t UnknownSystemColour = static_cast<std::int32_t>(0x800000FFu);

QColor paletteColour(QPalette::ColorRole role)
{
    return QGuiApplication::palette().color(QPalette::Active, role);
}

TEST(ColourNumbers, ReadWindowsColourNumbers)
{
    const struct {
        std::int32_t number;
        QColor colour;
    } cases[] = {
        {0, Qt::black},
        {16777215, Qt::white},
        {0x0000FF, QColor(255, 0, 0)}, // red in the lowest byte
        {0xFF0000, QColor(0, 0, 255)},
        {0x02345678, QColor(0x78, 0x56, 0x34)}, // the palette-relative flag byte is not part of the colour
        {WindowTextSystemColour, paletteColour(QPalette::WindowText)},
        {static_cast<std::int32_t>(0x80000012u), paletteColour(QPalette::ButtonText)},
        {UnknownSystemColour, Qt::black},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColourFromNumber(c.number).rgb(), c.colour.rgb()) << c.number;
}

TEST(ColourNumbers, KeepTheStoredNumberWhileItStillNamesTheColour)
{
    const struct {
        QColor colour;
        std::int32_t stored;
        std::int32_t written;
    } cases[] = {
        {QColor(255, 0, 0), 0x0000FF, 0x0000FF},
        {QColor(255, 0, 0), 0x00FF00, 0x0000FF},
        {paletteColour(QPalette::WindowText), WindowTextSystemColour, WindowTextSystemColour},
        {Qt::black, UnknownSystemColour, UnknownSystemColour},
        {QColor(1, 2, 3), WindowTextSystemColour, 0x030201},
        {QColor(0x78, 0x56, 0x34), 0x02345678, 0x02345678},
        // The desktop's text colour no longer named by the stored number, as
        // after Reset in a dark theme: it becomes the system colour again.
        {paletteColour(QPalette::WindowText), 0xABCDEF, WindowTextSystemColour},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberForColour(c.colour, c.stored), c.written) << c.colour.name().toStdString();
}

FontChoice currentFont()
{
    QFont font(QStringLiteral("Arial"), 10);
    font.setBold(true);
    font.setUnderline(true);
    return {font, QColor(0, 128, 0)};
}

TEST(FontSettings, ReadTheStoredFontOrKeepTheCurrentOne)
{
    const struct {
        const char* name;
        const char* keys;
        QString family;
        int points;
        QColor colour;
        bool bold;
        bool italic;
    } cases[] = {
        // A missing Bold reads as false: the current bold is not kept.
        {"nothing stored", "", "Arial", 10, QColor(0, 128, 0), false, false},
        {"everything stored", "Font1Name=Courier New\nFont1Size=14\nFont1Color=255\nFont1Bold=1\nFont1Italic=1\n",
         "Courier New", 14, QColor(255, 0, 0), true, true},
        {"no size a font can have", "Font1Size=0\nFont1Italic=2\n", "Arial", 10, QColor(0, 128, 0), false, true},
        {"absurd size", "Font1Size=100000\n", "Arial", 10, QColor(0, 128, 0), false, false},
        {"malformed numbers", "Font1Size=12pt\nFont1Color=red\nFont1Bold=yes\n", "Arial", 10, QColor(0, 128, 0), false,
         false},
        {"system colour", "Font1Color=-2147483640\n", "Arial", 10, paletteColour(QPalette::WindowText), false, false},
        {"the other font's keys", "Font2Size=20\nFont2Bold=1\n", "Arial", 10, QColor(0, 128, 0), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProfileDocument profile("[Velmar Converter]\n" + std::string(c.keys));
        const FontChoice read = ReadFontChoice(profile, "Font1", currentFont());
        EXPECT_EQ(read.Font.family(), c.family);
        EXPECT_EQ(read.Font.pointSize(), c.points);
        EXPECT_EQ(read.Colour.rgb(), c.colour.rgb());
        EXPECT_EQ(read.Font.bold(), c.bold);
        EXPECT_EQ(read.Font.italic(), c.italic);
        EXPECT_FALSE(read.Font.underline());
    }
}

TEST(FontSettings, WriteAllFiveKeysAndKeepAnUnchangedSystemColour)
{
    ProfileDocument profile("[Velmar Converter]\nFont2Color=-2147483640\n");
    QFont font(QStringLiteral("DejaVu Sans"), 9);
    font.setItalic(true);
    WriteFontChoice(profile, "Font2", {font, paletteColour(QPalette::WindowText)});
    EXPECT_EQ(profile.toBytes(),
              "[Velmar Converter]\n"
              "Font2Color=-2147483640\n"
              "Font2Name=DejaVu Sans\n"
              "Font2Size=9\n"
              "Font2Bold=0\n"
              "Font2Italic=1\n");

    font.setBold(true);
    WriteFontChoice(profile, "Font2", {font, QColor(0, 0, 255)});
    EXPECT_EQ(profile.readInteger("Velmar Converter", "Font2Color", 0), 0xFF0000);
    EXPECT_TRUE(profile.readBool("Velmar Converter", "Font2Bold", false));
}

} // namespace
