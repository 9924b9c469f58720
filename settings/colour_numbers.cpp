#include "settings/colour_numbers.h"

#include <QGuiApplication>
#include <QPalette>

#include <optional>

namespace velmar {
namespace {

constexpr std::uint32_t SystemColourFlag = 0x80000000u;

// Windows system colour indices and the palette roles that stand for them.
std::optional<QPalette::ColorRole> PaletteRoleOf(std::uint32_t systemIndex)
{
    switch (systemIndex) {
    case 4:  // menu
    case 10: // active border
    case 11: // inactive border
    case 12: // application workspace
        return QPalette::Window;
    case 5: // window
        return QPalette::Base;
    case 7:  // menu text
    case 8:  // window text
    case 9:  // caption text
    case 19: // inactive caption text
        return QPalette::WindowText;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 15: // button face
        return QPalette::Button;
    case 16: // button shadow
        return QPalette::Dark;
    case 17: // grey text
        return QPalette::PlaceholderText;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // 3D dark shadow
        return QPalette::Shadow;
    case 22: // 3D light
        return QPalette::Midlight;
    case 23: // tooltip text
        return QPalette::ToolTipText;
    case 24: // tooltip background
        return QPalette::ToolTipBase;
    default:
        return std::nullopt;
    }
}

} // namespace

QColor ColourFromNumber(std::int32_t number)
{
    const auto bits = static_cast<std::uint32_t>(number);
    if ((bits & SystemColourFlag) != 0) {
        const std::optional<QPalette::ColorRole> role = PaletteRoleOf(bits & 0xFFu);
        return role ? QGuiApplication::palette().color(QPalette::Active, *role) : QColor(Qt::black);
    }
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>(bits >> 8 & 0xFFu),
                  static_cast<int>(bits >> 16 & 0xFFu));
}

std::int32_t PlainColourNumber(const QColor& colour)
{
    const QRgb rgb = colour.rgb();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(qRed(rgb))
                                     | static_cast<std::uint32_t>(qGreen(rgb)) << 8
                                     | static_cast<std::uint32_t>(qBlue(rgb)) << 16);
}

std::int32_t NumberForColour(const QColor& colour, std::int32_t storedNumber)
{
    if (ColourFromNumber(storedNumber).rgb() == colour.rgb())
        return storedNumber;
    if (ColourFromNumber(WindowTextColourNumber).rgb() == colour.rgb())
        return WindowTextColourNumber;
    return PlainColourNumber(colour);
}

} // namespace velmar
